// The file and window tools on Windows: the explorer and the lister on a real
// tree under the temporary folder, and the hide/show window on real
// top-level windows made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/Text.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileOperations.h"
#include "platform/win32/Win32FolderLists.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32WindowList.h"
#include "tools/files/frmFilesInFolder.h"
#include "tools/files/frmFilesInFolderIds.h"
#include "tools/files/frmHardDriveExplorer.h"
#include "tools/files/frmHardDriveExplorerIds.h"
#include "tools/files/frmHideShowWindow.h"
#include "tools/files/frmHideShowWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using Strings = std::vector<std::u16string>;
const std::u16string kOddName = u"\u0416\u4e2d \u00e9.txt";  // not in any one ANSI code page

void Put(const std::u16string& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    win::UniqueFile f(CreateFileW(win::W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(f) << ToUtf8(path);
    DWORD written = 0;
    WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    f.reset();
    SetFileAttributesW(win::W(path), attributes);
}
std::string Bytes(const std::u16string& path) {
    win::UniqueFile f(CreateFileW(win::W(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!f) return "<missing>";
    std::string s(1 << 16, '\0');
    DWORD got = 0;
    ReadFile(f.get(), s.data(), static_cast<DWORD>(s.size()), &got, nullptr);
    s.resize(got);
    return s;
}
bool Exists(const std::u16string& path) { return GetFileAttributesW(win::W(path)) != INVALID_FILE_ATTRIBUTES; }
void RemoveTree(const std::u16string& dir) {
    win::Win32DirectorySearch search;
    Strings names;
    for (auto n = search.First(dir + u"\\", attr::Directory | attr::Hidden | attr::System); !n.empty(); n = search.Next())
        if (n != u"." && n != u"..") names.push_back(n);
    for (const auto& n : names) {
        const std::u16string p = dir + u"\\" + n;
        SetFileAttributesW(win::W(p), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(win::W(p))) RemoveTree(p);
    }
    RemoveDirectoryW(win::W(dir));
}
Strings ListLines(HWND list) {
    Strings out;
    const int n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::u16string s(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, u'\0');
        s.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data()))));
        out.push_back(s);
    }
    return out;
}

// Runs `once` at the first turn of events, then the real pump.
struct OncePump : EventPump {
    explicit OncePump(const win::Forms& forms) : real(forms) {}
    win::Win32EventPump real;
    std::function<void()> once;
    void DoEvents() override {
        if (auto f = std::exchange(once, nullptr)) f();
        real.DoEvents();
    }
};

struct FileTree : ::testing::Test {
    std::u16string root;
    win::Forms forms;
    test::FakePrompts prompts;
    HWND dlg = nullptr;

    void SetUp() override {
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        root = win::U(temp) + u"wf files " + ToU16(std::to_string(GetCurrentProcessId()));
        RemoveTree(root);
        for (const char16_t* d : {u"", u"\\sub", u"\\sub\\deep", u"\\empty", u"\\dir one", u"\\sys", u"\\hid", u"\\many"})
            CreateDirectoryW(win::W(root + d), nullptr);
        SetFileAttributesW(win::W(root + u"\\sys"), FILE_ATTRIBUTE_SYSTEM);
        SetFileAttributesW(win::W(root + u"\\hid"), FILE_ATTRIBUTE_HIDDEN);
        Put(root + u"\\a.txt", "alpha");
        Put(root + u"\\b c.txt", "bravo charlie");
        Put(root + u"\\ro.txt", "read only", FILE_ATTRIBUTE_READONLY);
        Put(root + u"\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
        Put(root + u"\\locked.txt", "held");
        Put(root + u"\\sys\\inner.txt", "s");
        Put(root + u"\\hid\\inner.txt", "h");
        Put(root + u"\\sub\\s.txt", "s");
        Put(root + u"\\sub\\deep\\d.txt", "d");
        Put(root + u"\\dir one\\" + kOddName, "odd");
    }
    void TearDown() override {
        forms.UnloadAll();
        RemoveTree(root);
    }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void Type(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
};

// ---- Files in folder ----

struct FilesInFolderWindow : FileTree {
    OncePump pump{forms};
    win::Win32DirectorySearch search;
    uint64_t now = 0;  // a clock that moves 1 ms a look: events run every few entries
    frmFilesInFolder* form = nullptr;
    // The window's lines, after checking that the list counts as many.
    Strings Lines() {
        Strings out;
        for (size_t i = 0; i < form->Lines().Count(); ++i) out.emplace_back(form->Lines().Line(i));
        EXPECT_EQ(SendMessageW(Ctl(IDC_FF_LSTFILES), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(out.size()));
        return out;
    }
    void Open() {
        form = &forms.Open<frmFilesInFolder>("frmFilesInFolder", prompts, pump, search, [this] { return ++now; });
        dlg = form->hwnd();
    }
    Strings List(const std::u16string& folder) {
        Type(IDC_FF_TXTINFOLDER, folder);
        Click(IDC_FF_CMDOK);
        return Lines();
    }
};

TEST_F(FilesInFolderWindow, ListsARealTreeDepthFirstWithoutHiddenOrSystemEntries) {
    Open();
    EXPECT_EQ(test::WindowText(dlg), u"Get all files in folder");
    EXPECT_EQ(test::WindowText(Ctl(IDC_FF_TXTINFOLDER)), u"c:\\");
    const std::u16string typed = root + u"\\";
    Strings lines = List(typed);
    Strings rootFiles(lines.begin(), lines.begin() + std::min<size_t>(lines.size(), 4));
    std::sort(rootFiles.begin(), rootFiles.end());
    EXPECT_EQ(rootFiles, (Strings{typed + u"a.txt", typed + u"b c.txt", typed + u"locked.txt", typed + u"ro.txt"}))
        << "the folder's own files first";
    Strings rest(lines.begin() + std::min<size_t>(lines.size(), 4), lines.end());
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ(rest, (Strings{typed + u"dir one\\" + kOddName, typed + u"sub\\deep\\d.txt", typed + u"sub\\s.txt"}));
    const auto at = [&](const std::u16string& s) { return std::find(lines.begin(), lines.end(), s) - lines.begin(); };
    EXPECT_LT(at(typed + u"sub\\s.txt"), at(typed + u"sub\\deep\\d.txt")) << "a folder's files before its subfolders";
    EXPECT_TRUE(prompts.messages.empty());

    // The list draws its lines from the window's store: a chosen line on the highlight.
    win::WindowDC screen(nullptr);
    win::UniqueDC memory(CreateCompatibleDC(screen.get()));
    win::UniqueGdi bitmap(CreateCompatibleBitmap(screen.get(), 400, 20));
    HDC dc = memory.get();
    win::Selected chosen(dc, bitmap.get());
    DRAWITEMSTRUCT item{ODT_LISTBOX, IDC_FF_LSTFILES, 0, ODA_DRAWENTIRE, ODS_SELECTED, Ctl(IDC_FF_LSTFILES), dc,
                        {0, 0, 400, 20}, 0};
    SendMessageW(dlg, WM_DRAWITEM, IDC_FF_LSTFILES, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(GetPixel(dc, 399, 0), GetSysColor(COLOR_HIGHLIGHT));
    int textPixels = 0;
    for (int x = 0; x < 200; ++x) textPixels += GetPixel(dc, x, 10) == GetSysColor(COLOR_HIGHLIGHTTEXT);
    EXPECT_GT(textPixels, 0);

    // The typed case stays; a missing folder lists nothing, silently.
    std::u16string upper = typed;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; });
    EXPECT_EQ(List(upper).size(), 7u);
    EXPECT_EQ(List(upper).front().substr(0, upper.size()), upper);
    EXPECT_TRUE(List(root + u"\\nowhere\\").empty());
    EXPECT_TRUE(prompts.messages.empty());

    // Without the backslash the folder's own name fails its attribute query.
    prompts.answers = {answer::Abort};
    EXPECT_TRUE(List(root).empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, u"Files in Folder error");
    EXPECT_NE(prompts.messages[0].text.find(u"(53)"), std::u16string::npos);
}

TEST_F(FilesInFolderWindow, ASecondOkRestartsTheListingAndClosingEndsIt) {
    for (int i = 0; i < 100; ++i) Put(root + u"\\many\\f" + ToU16(std::to_string(i)), "");
    Open();
    // Pressed from inside the first listing's events: the new folder is listed instead.
    pump.once = [&] {
        Type(IDC_FF_TXTINFOLDER, root + u"\\sub\\");
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_FF_CMDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Ctl(IDC_FF_CMDOK)));
    };
    Type(IDC_FF_TXTINFOLDER, root + u"\\many\\");
    Click(IDC_FF_CMDOK);
    EXPECT_FALSE(pump.once) << "the listing let events run";
    EXPECT_EQ(Lines(), (Strings{root + u"\\sub\\s.txt", root + u"\\sub\\deep\\d.txt"}));

    pump.once = [&] { PostMessageW(dlg, WM_CLOSE, 0, 0); };
    Type(IDC_FF_TXTINFOLDER, root + u"\\many\\");
    Click(IDC_FF_CMDOK);
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
}

// ---- Hard drive explorer ----

Strings ComboLines(HWND combo) {
    Strings out;
    const int n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::u16string s(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, u'\0');
        s.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(s.data()))));
        out.push_back(s);
    }
    return out;
}
std::u16string Unindented(std::u16string s) { return s.erase(0, s.find_first_not_of(u' ')); }

struct Explorer : FileTree {
    test::FakeLauncher launcher;
    win::Win32FileOperations files;
    win::Win32FolderLists folders;
    frmHardDriveExplorer* form = nullptr;

    void Open(Launcher& l) {
        form = &forms.Open<frmHardDriveExplorer>("frmHardDriveExplorer", prompts, l, files, folders, root);
        dlg = form->hwnd();
    }
    std::u16string Path() { return test::WindowText(Ctl(IDC_HD_LBLPATH)); }
    void OpenFolder(const std::u16string& folder) {
        prompts.inputs.push_back(folder);
        SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    }
    Strings Folders() {
        Strings lines = ListLines(Ctl(IDC_HD_DIRFILES));
        for (auto& l : lines) l = Unindented(l);
        return lines;
    }
    // Chooses a line of a list as a click does; `notify` says which click.
    void Select(int listId, const Strings& lines, const std::u16string& text, WORD notify) {
        const auto it = std::find(lines.begin(), lines.end(), text);
        ASSERT_NE(it, lines.end()) << ToUtf8(text);
        SendMessageW(Ctl(listId), LB_SETCURSEL, static_cast<WPARAM>(it - lines.begin()), 0);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(listId, notify), reinterpret_cast<LPARAM>(Ctl(listId)));
    }
    void SelectFile(const std::u16string& name) {
        Select(IDC_HD_FILFILES, ListLines(Ctl(IDC_HD_FILFILES)), name, LBN_SELCHANGE);
    }
    void Act(int16_t action, const std::u16string& file) {
        Click(IDC_HD_OPTWHAT_BASE + action);
        SelectFile(file);
        Click(IDC_HD_CMDDO);
    }
    int Reports() const {
        return static_cast<int>(std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                              [](const auto& m) { return m.title == u"Quillet error"; }));
    }
};

TEST_F(Explorer, OpensOnItsFolderWithTheListsCoupledAndTheFilterLive) {
    Open(launcher);
    EXPECT_EQ(test::WindowText(dlg), u"Hard Drive Explorer (Formally 'Quillet')");
    EXPECT_EQ(Path(), root);
    EXPECT_EQ(form->lblPathTag(), root + u"\\");
    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_HD_OPTWHAT_BASE), BST_CHECKED);
    EXPECT_EQ(test::WindowText(Ctl(IDC_HD_TXTOPENWITH)), u"explorer.exe");
    EXPECT_EQ(ListLines(Ctl(IDC_HD_FILFILES)), (Strings{u"a.txt", u"b c.txt", u"locked.txt", u"ro.txt"}));
    const Strings dirs = Folders();
    ASSERT_GE(dirs.size(), 5u);
    EXPECT_EQ(Strings(dirs.end() - 4, dirs.end()), (Strings{u"dir one", u"empty", u"many", u"sub"}))
        << "no system or hidden folder";
    const Strings drives = ComboLines(Ctl(IDC_HD_DRVFILES));
    const auto has = [&](std::u16string_view prefix) {
        return std::any_of(drives.begin(), drives.end(), [&](const auto& d) { return d.rfind(prefix, 0) == 0; });
    };
    EXPECT_TRUE(has(u"c:") && has(u"z:"));
    EXPECT_EQ(test::WindowText(Ctl(IDC_HD_DRVFILES)).substr(0, 2), u"c:");

    Type(IDC_HD_TXTFILTER, u"b*; r?.txt");
    EXPECT_EQ(ListLines(Ctl(IDC_HD_FILFILES)), (Strings{u"b c.txt", u"ro.txt"}));
    Type(IDC_HD_TXTFILTER, u"");
    EXPECT_EQ(ListLines(Ctl(IDC_HD_FILFILES)).size(), 4u);

    SelectFile(u"b c.txt");
    EXPECT_EQ(Path(), root + u"\\b c.txt");
    EXPECT_TRUE(GetClassLongPtrW(dlg, GCL_STYLE) & CS_DBLCLKS) << "the background takes double clicks";

    // Another drive: its current folder, and the drive's name in the label.
    const auto z = std::find_if(drives.begin(), drives.end(), [](const auto& d) { return d.rfind(u"z:", 0) == 0; });
    SendMessageW(Ctl(IDC_HD_DRVFILES), CB_SETCURSEL, static_cast<WPARAM>(z - drives.begin()), 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_HD_DRVFILES, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Ctl(IDC_HD_DRVFILES)));
    EXPECT_EQ(Path(), *z);
    EXPECT_EQ(Folders().front(), u"Z:\\");
    Type(IDC_HD_TXTFILTER, u"*");
    EXPECT_TRUE(SendMessageW(Ctl(IDC_HD_FILFILES), LB_GETCURSEL, 0, 0) < 0);
    OpenFolder(root);
    Select(IDC_HD_DIRFILES, dirs, u"sub", LBN_DBLCLK);
    EXPECT_EQ(Path(), root + u"\\sub");
    EXPECT_EQ(form->lblPathTag(), root + u"\\sub\\");
    EXPECT_EQ(ListLines(Ctl(IDC_HD_FILFILES)), Strings{u"s.txt"});
    EXPECT_EQ(Folders().back(), u"deep");

    // The background's double click asks for a folder; Cancel and a missing one change nothing.
    prompts.inputs = {u"", root + u"\\nowhere", root + u"\\dir one\\"};
    prompts.answers = {answer::Ok};
    for (int i = 0; i < 2; ++i) {
        SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(Path(), root + u"\\sub");
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, u"Cannot open " + root + u"\\nowhere:\r\nPath not found");
    SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(Path(), root + u"\\dir one");
    EXPECT_EQ(ListLines(Ctl(IDC_HD_FILFILES)), Strings{kOddName});
    EXPECT_EQ(prompts.inputBoxes[0].prompt, u"What folder?");
    EXPECT_EQ(prompts.inputBoxes[0].title, u"Wrenfold");
}

TEST_F(Explorer, ActionsWorkOnRealFilesAndAFailedCopyNeverCostsTheSource) {
    Open(launcher);
    Click(IDC_HD_CMDDO);  // nothing selected: nothing happens (any box would throw in the fake)
    const std::u16string r = root + u"\\";
    prompts.inputs = {r + u"copy.txt", r + u"a.txt", u"", r + u"nowhere\\x.txt", r + u"sub\\moved.txt",
                      u"renamed.txt", r + u"ro.txt"};
    prompts.answers = {answer::Abort, answer::Abort, answer::Ignore, answer::Abort};
    Act(action::Copy, u"a.txt");
    Act(action::Copy, u"a.txt");  // onto itself
    Act(action::Copy, u"a.txt");  // to no name
    Act(action::Move, u"a.txt");  // into a missing folder, answered Ignore
    EXPECT_EQ(Bytes(r + u"copy.txt"), "alpha");
    EXPECT_EQ(Bytes(r + u"a.txt"), "alpha") << "the source is whole after the failed copies";
    EXPECT_EQ(Reports(), 3);
    Act(action::Move, u"b c.txt");
    EXPECT_FALSE(Exists(r + u"b c.txt"));
    EXPECT_EQ(Bytes(r + u"sub\\moved.txt"), "bravo charlie");
    EXPECT_EQ(ListLines(Ctl(IDC_HD_FILFILES)).size(), 4u) << "nothing is refreshed after an action";
    Type(IDC_HD_TXTFILTER, u"*");  // refilled
    Act(action::Rename, u"copy.txt");
    EXPECT_EQ(Bytes(r + u"renamed.txt"), "alpha");
    EXPECT_FALSE(Exists(r + u"copy.txt"));
    Act(action::Copy, u"a.txt");  // onto a read-only file
    EXPECT_EQ(Bytes(r + u"ro.txt"), "read only");
    EXPECT_EQ(Reports(), 4);
    EXPECT_NE(prompts.messages.back().text.find(u"(70)"), std::u16string::npos);

    // Delete: No keeps, Yes removes; a file held open fails, Retry asks again, Ignore leaves it.
    win::UniqueFile held(CreateFileW(win::W(r + u"locked.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    prompts.answers = {answer::No, answer::Yes, answer::Yes, answer::Retry, answer::Ignore};
    Act(action::Delete, u"a.txt");
    EXPECT_TRUE(Exists(r + u"a.txt"));
    Act(action::Delete, u"a.txt");
    EXPECT_FALSE(Exists(r + u"a.txt"));
    Act(action::Delete, u"locked.txt");
    EXPECT_TRUE(Exists(r + u"locked.txt"));
    EXPECT_EQ(Reports(), 6);
    EXPECT_TRUE(prompts.answers.empty() && prompts.inputs.empty());

    // Open with: the program, one space, the path unquoted; through the recording launcher.
    Act(action::OpenWith, u"ro.txt");
    ASSERT_EQ(launcher.attempts.size(), 1u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"explorer.exe " + r + u"ro.txt");
}

TEST_F(Explorer, ShellToItStartsARealProgramFromAFolderWithBlanks) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::u16string child = win::U(self);
    child = child.substr(0, child.find_last_of(u'\\')) + u"\\files_child.exe";
    const std::u16string target = root + u"\\dir one\\child.exe";
    ASSERT_TRUE(CopyFileW(win::W(child), win::W(target), FALSE));
    root += u"\\dir one";
    win::Win32Launcher real;
    Open(real);
    Act(action::Shell, u"child.exe");
    bool ran = false;
    for (int i = 0; i < 500 && !ran; ++i) {
        ran = Exists(target + u".ran");
        if (!ran) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_TRUE(ran);
    EXPECT_EQ(Reports(), 0);
    // A file that is no program fails and is reported.
    prompts.answers = {answer::Abort};
    Act(action::Shell, kOddName);
    EXPECT_EQ(Reports(), 1);
    root.resize(root.size() - 8);  // TearDown removes the whole tree
}

// ---- Window hide and show ----

LRESULT CALLBACK PlainWindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(h, msg, wp, lp); }

struct HideShowWindow : ::testing::Test {
    win::Forms forms;
    win::Win32WindowList windows;
    HWND dlg = nullptr;
    std::vector<HWND> mine;

    HWND Make(const wchar_t* title, bool visible) {
        static const ATOM cls = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = PlainWindowProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"WfHideShowTest";
            return RegisterClassW(&wc);
        }();
        HWND h = CreateWindowExW(0, MAKEINTATOM(cls), title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0, 0,
                                 100, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        mine.push_back(h);
        return h;
    }
    void TearDown() override {
        forms.UnloadAll();
        for (HWND h : mine) DestroyWindow(h);
    }
    HWND List(int id) const { return GetDlgItem(dlg, id); }
    // The entries of a list that are this test's windows: "title=handle".
    Strings Mine(int id) {
        Strings out;
        const Strings lines = ListLines(List(id));
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto h = reinterpret_cast<HWND>(SendMessageW(List(id), LB_GETITEMDATA, i, 0));
            const auto at = std::find(mine.begin(), mine.end(), h);
            if (at != mine.end()) out.push_back(lines[i] + u"=" + ToU16(std::to_string(at - mine.begin())));
            if (h == dlg) out.push_back(lines[i] + u"=self");
        }
        return out;
    }
    std::u16string Selected(int id) {
        const LRESULT i = SendMessageW(List(id), LB_GETCURSEL, 0, 0);
        return i < 0 ? u"<none>" : ListLines(List(id)).at(static_cast<size_t>(i));
    }
    void SelectText(int id, const std::u16string& text) {
        const Strings lines = ListLines(List(id));
        const auto it = std::find(lines.begin(), lines.end(), text);
        ASSERT_NE(it, lines.end());
        SendMessageW(List(id), LB_SETCURSEL, static_cast<WPARAM>(it - lines.begin()), 0);
    }
    void Refresh() { SendMessageW(dlg, WM_TIMER, IDT_HS_LBLUPDATE, 0); }
};

TEST_F(HideShowWindow, ListsTheTestsWindowsAndHidesAndShowsThemThroughTheirHandles) {
    Make(L"wf b same", true);       // 0
    Make(L"wf A visible", true);    // 1
    Make(L"wf c hidden", false);    // 2
    Make(L"wf b same", true);       // 3
    Make(L"   ", true);             // 4: blanks only
    Make(L"", true);                // 5: untitled, never listed
    Make(L"wf d doomed", true);     // 6
    dlg = forms.Open<frmHideShowWindow>("frmHideShowWindow", windows).hwnd();
    EXPECT_EQ(test::WindowText(dlg), u"Window Hide and Show");
    // At load the tool itself was still hidden; the lists are sorted without regard to case.
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS),
              (Strings{u"=4", u"wf A visible=1", u"wf b same=3", u"wf b same=0", u"wf d doomed=6"}));
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), (Strings{u"wf c hidden=2", u"Window Hide and Show=self"}));
    EXPECT_EQ(SendMessageW(List(IDC_HS_LSTVISIBLEWINDOWS), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(List(IDC_HS_LSTHIDDENWINDOWS), LB_GETCURSEL, 0, 0), 0);

    // A refresh keeps the selection by title and drops a destroyed window.
    SelectText(IDC_HS_LSTVISIBLEWINDOWS, u"wf d doomed");
    SelectText(IDC_HS_LSTHIDDENWINDOWS, u"wf c hidden");
    DestroyWindow(mine[6]);
    Refresh();
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS).back(), u"Window Hide and Show=self");
    EXPECT_EQ(Selected(IDC_HS_LSTVISIBLEWINDOWS), u"<none>");
    EXPECT_EQ(Selected(IDC_HS_LSTHIDDENWINDOWS), u"wf c hidden");

    // Hide: the window goes, and its title is chosen in the hidden list; Show brings it back.
    SelectText(IDC_HS_LSTVISIBLEWINDOWS, u"wf A visible");
    SendMessageW(GetDlgItem(dlg, IDC_HS_CMDHIDE), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(mine[1]));
    EXPECT_EQ(Selected(IDC_HS_LSTHIDDENWINDOWS), u"wf A visible");
    SelectText(IDC_HS_LSTHIDDENWINDOWS, u"wf c hidden");
    SendMessageW(GetDlgItem(dlg, IDC_HS_CMDSHOW), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(mine[2]));
    EXPECT_EQ(Selected(IDC_HS_LSTVISIBLEWINDOWS), u"wf c hidden");

    // The five-second refresh is set: only a timer that exists can be killed.
    EXPECT_TRUE(KillTimer(dlg, IDT_HS_LBLUPDATE));

    // No selection: no window is touched, nothing ends.
    SendMessageW(List(IDC_HS_LSTHIDDENWINDOWS), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(GetDlgItem(dlg, IDC_HS_CMDSHOW), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(mine[1]));
    EXPECT_TRUE(IsWindow(dlg));
}

}  // namespace
}  // namespace wf
