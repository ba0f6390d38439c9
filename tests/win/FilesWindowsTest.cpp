// The file and window tools on Windows: the explorer and the lister on a real
// tree under the temporary folder, and the hide/show window on real
// top-level windows made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "common/Text.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileOperations.h"
#include "platform/win32/Win32FolderLists.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32WindowList.h"
#include "platform/win32/WinUtil.h"
#include "tools/files/frmFilesInFolder.h"
#include "tools/files/frmFilesInFolderIds.h"
#include "tools/files/frmHardDriveExplorer.h"
#include "tools/files/frmHardDriveExplorerIds.h"
#include "tools/files/frmHideShowWindow.h"
#include "tools/files/frmHideShowWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::u16string>;
const std::u16string kOddName = u"\u0416\u4e2d \u00e9.txt";  // not in any one ANSI code page

std::string Bytes(const std::u16string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}
bool Exists(const std::u16string& path) { return GetFileAttributesW(win::W(path)) != INVALID_FILE_ATTRIBUTES; }
// The entries of a list box (LB_ messages) or a combo box (CB_ ones).
Strings Entries(HWND list, bool combo = false) {
    Strings out;
    const int n = static_cast<int>(SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::u16string s(static_cast<size_t>(SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)) + 1, u'\0');
        s.resize(static_cast<size_t>(
            SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data()))));
        out.push_back(s.erase(0, s.find_first_not_of(u' ')));  // the folder list's indentation goes
    }
    return out;
}
size_t IndexOf(const Strings& lines, const std::u16string& text) {
    const auto it = std::find(lines.begin(), lines.end(), text);
    EXPECT_NE(it, lines.end()) << ToUtf8(text);
    return static_cast<size_t>(it - lines.begin());
}

void CloseChangeWatch(HANDLE h) { FindCloseChangeNotification(h); }

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
    std::u16string root = fs::temp_directory_path().u16string() + u"wf files " + ToU16(std::to_string(GetCurrentProcessId()));
    win::Forms forms;
    test::FakePrompts prompts;
    HWND dlg = nullptr;

    void Put(const std::u16string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const fs::path p(root + u"\\" + name);
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        SetFileAttributesW(p.c_str(), attributes);
    }
    void SetUp() override {
        TearDown();
        for (const char16_t* d : {u"empty", u"many"}) fs::create_directories(fs::path(root + u"\\" + d));
        for (const auto& [name, bytes, a] : std::vector<std::tuple<std::u16string, std::string, DWORD>>{
                 {u"a.txt", "alpha", 0}, {u"b c.txt", "bravo charlie", 0}, {u"ro.txt", "read only", FILE_ATTRIBUTE_READONLY},
                 {u"hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN}, {u"locked.txt", "held", 0}, {u"sys\\in.txt", "s", 0},
                 {u"hid\\in.txt", "h", 0}, {u"sub\\s.txt", "s", 0}, {u"sub\\deep\\d.txt", "d", 0}, {u"dir one\\" + kOddName, "odd", 0}})
            Put(name, bytes, a ? a : FILE_ATTRIBUTE_NORMAL);
        SetFileAttributesW(win::W(root + u"\\sys"), FILE_ATTRIBUTE_SYSTEM);
        SetFileAttributesW(win::W(root + u"\\hid"), FILE_ATTRIBUTE_HIDDEN);
    }
    void TearDown() override {
        forms.UnloadAll();
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(fs::path(root), ec))
            SetFileAttributesW(e.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(fs::path(root), ec);
    }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void Type(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Notify(int id, WORD code) { SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Ctl(id))); }
};

// ---- Files in folder ----

struct FilesInFolderWindow : FileTree {
    OncePump pump{forms};
    win::Win32DirectorySearch search;
    uint64_t now = 0;  // a clock that moves 1 ms a look: events run every few entries
    frmFilesInFolder* form = nullptr;

    void Open() {
        form = &forms.Open<frmFilesInFolder>("frmFilesInFolder", prompts, pump, search, [this] { return ++now; });
        dlg = form->hwnd();
    }
    // The window's lines, once the list counts as many.
    Strings Lines() {
        Strings out;
        for (size_t i = 0; i < form->Lines().Count(); ++i) out.emplace_back(form->Lines().Line(i));
        EXPECT_EQ(SendMessageW(Ctl(IDC_FF_LSTFILES), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(out.size()));
        return out;
    }
    Strings List(const std::u16string& folder) {
        Type(IDC_FF_TXTINFOLDER, folder);
        Click(IDC_FF_CMDOK);
        return Lines();
    }
};

TEST_F(FilesInFolderWindow, ListsARealTreeDepthFirstWithoutHiddenOrSystemEntries) {
    Open();
    EXPECT_EQ(test::WindowText(Ctl(IDC_FF_TXTINFOLDER)), u"c:\\");
    // Upper case as typed. Files and subfolders come in the system's order: the folder's own files are
    // sorted here, and the two subfolders may come either way.
    std::u16string typed = root + u"\\";
    std::transform(typed.begin(), typed.end(), typed.begin(), [](char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; });
    Strings lines = List(typed);
    ASSERT_EQ(lines.size(), 7u);
    std::sort(lines.begin(), lines.begin() + 4);
    for (auto& l : lines) l.erase(0, typed.size());
    EXPECT_TRUE(lines == (Strings{u"a.txt", u"b c.txt", u"locked.txt", u"ro.txt", u"dir one\\" + kOddName, u"sub\\s.txt",
                                  u"sub\\deep\\d.txt"}) ||
                lines == (Strings{u"a.txt", u"b c.txt", u"locked.txt", u"ro.txt", u"sub\\s.txt", u"sub\\deep\\d.txt",
                                  u"dir one\\" + kOddName}))
        << "a folder's own files, then each subfolder's whole listing";
    EXPECT_TRUE(prompts.messages.empty());

    // Without the backslash the folder's own name fails its attribute query.
    prompts.answers = {answer::Abort};
    EXPECT_TRUE(List(root).empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, u"Files in Folder error");
    EXPECT_NE(prompts.messages[0].text.find(u"(53)"), std::u16string::npos);
}

TEST_F(FilesInFolderWindow, ASecondOkRestartsTheListingAndClosingEndsIt) {
    for (int i = 0; i < 100; ++i) Put(u"many\\f" + ToU16(std::to_string(i)), "");
    Open();
    // Pressed from inside the first listing's events: the new folder is listed instead.
    pump.once = [&] {
        Type(IDC_FF_TXTINFOLDER, root + u"\\sub\\");
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_FF_CMDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Ctl(IDC_FF_CMDOK)));
    };
    EXPECT_EQ(List(root + u"\\many\\"), (Strings{root + u"\\sub\\s.txt", root + u"\\sub\\deep\\d.txt"}));
    EXPECT_FALSE(pump.once) << "the listing let events run";

    pump.once = [&] { PostMessageW(dlg, WM_CLOSE, 0, 0); };
    Type(IDC_FF_TXTINFOLDER, root + u"\\many\\");
    Click(IDC_FF_CMDOK);
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
}

// ---- Hard drive explorer ----

// The real drives and one more, q:, with no medium.
struct WithEmptyDrive : win::Win32FolderLists {
    std::vector<DriveEntry> Drives() override {
        auto drives = Win32FolderLists::Drives();
        return drives.push_back({u'q', u""}), drives;
    }
    std::u16string FullFolderPath(std::u16string_view f) override {
        if (f.substr(0, 2) == u"q:") throw CommandError(71, u"Disk not ready");
        return Win32FolderLists::FullFolderPath(f);
    }
};

struct Explorer : FileTree {
    test::FakeLauncher launcher;
    win::Win32FileOperations files;
    WithEmptyDrive folders;
    frmHardDriveExplorer* form = nullptr;

    void Open(Launcher& l, const std::u16string& folder) {
        form = &forms.Open<frmHardDriveExplorer>("frmHardDriveExplorer", prompts, l, files, folders, folder);
        dlg = form->hwnd();
    }
    std::u16string Path() { return test::WindowText(Ctl(IDC_HD_LBLPATH)); }
    void Choose(int listId, const std::u16string& text, WORD notify) {
        SendMessageW(Ctl(listId), LB_SETCURSEL, IndexOf(Entries(Ctl(listId)), text), 0);
        Notify(listId, notify);
    }
    void Act(int16_t action, const std::u16string& file) {
        Click(IDC_HD_OPTWHAT_BASE + action);
        Choose(IDC_HD_FILFILES, file, LBN_SELCHANGE);
        Click(IDC_HD_CMDDO);
    }
    void DoubleClickBackground(const std::u16string& answer) {
        prompts.inputs.push_back(answer);
        SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    }
    int Reports() const {
        return static_cast<int>(std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                              [](const auto& m) { return m.title == u"Quillet error"; }));
    }
};

TEST_F(Explorer, OpensOnItsFolderWithTheListsCoupledAndTheFilterLive) {
    Open(launcher, root);
    EXPECT_EQ(Path(), root);
    EXPECT_EQ(form->lblPathTag(), root + u"\\");
    EXPECT_TRUE(IsDlgButtonChecked(dlg, IDC_HD_OPTWHAT_BASE) && test::WindowText(Ctl(IDC_HD_TXTOPENWITH)) == u"explorer.exe");
    EXPECT_EQ(Entries(Ctl(IDC_HD_FILFILES)), (Strings{u"a.txt", u"b c.txt", u"locked.txt", u"ro.txt"}));
    const Strings dirs = Entries(Ctl(IDC_HD_DIRFILES));
    EXPECT_EQ(Strings(dirs.end() - 4, dirs.end()), (Strings{u"dir one", u"empty", u"many", u"sub"}));
    const Strings drives = Entries(Ctl(IDC_HD_DRVFILES), true);
    const auto z = std::find_if(drives.begin(), drives.end(), [](const auto& d) { return d.rfind(u"z:", 0) == 0; });
    ASSERT_NE(z, drives.end());
    EXPECT_EQ(drives.front().substr(0, 2), u"c:");

    Type(IDC_HD_TXTFILTER, u"b*; r?.txt");
    EXPECT_EQ(Entries(Ctl(IDC_HD_FILFILES)), (Strings{u"b c.txt", u"ro.txt"}));
    Type(IDC_HD_TXTFILTER, u"");
    Choose(IDC_HD_FILFILES, u"b c.txt", LBN_SELCHANGE);
    EXPECT_EQ(Path(), root + u"\\b c.txt");
    Choose(IDC_HD_DIRFILES, u"sub", LBN_DBLCLK);
    EXPECT_EQ(Path() + u"|" + form->lblPathTag(), root + u"\\sub|" + root + u"\\sub\\");
    EXPECT_EQ(Entries(Ctl(IDC_HD_FILFILES)), Strings{u"s.txt"});
    EXPECT_EQ(Entries(Ctl(IDC_HD_DIRFILES)).back(), u"deep");

    // Another drive: its current folder, the drive's name in the label; one without medium changes nothing.
    SendMessageW(Ctl(IDC_HD_DRVFILES), CB_SETCURSEL, IndexOf(drives, u"q:"), 0);
    prompts.answers = {answer::Ok};
    Notify(IDC_HD_DRVFILES, CBN_SELCHANGE);
    EXPECT_EQ(Path() + test::WindowText(Ctl(IDC_HD_DRVFILES)), root + u"\\sub" + drives.front());
    SendMessageW(Ctl(IDC_HD_DRVFILES), CB_SETCURSEL, static_cast<WPARAM>(z - drives.begin()), 0);
    Notify(IDC_HD_DRVFILES, CBN_SELCHANGE);
    EXPECT_EQ(Path(), *z);
    EXPECT_EQ(Entries(Ctl(IDC_HD_DIRFILES)).front(), u"Z:\\");

    // The background's double click asks for a folder; Cancel and a missing one change nothing.
    EXPECT_TRUE(GetClassLongPtrW(dlg, GCL_STYLE) & CS_DBLCLKS);
    prompts.answers = {answer::Ok};
    DoubleClickBackground(u"");
    DoubleClickBackground(root + u"\\nowhere");
    EXPECT_EQ(Path(), *z);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, u"Cannot open q::\r\nDisk not ready");
    EXPECT_EQ(prompts.messages[1].text, u"Cannot open " + root + u"\\nowhere:\r\nPath not found");
    DoubleClickBackground(root + u"\\dir one\\");
    EXPECT_EQ(Path(), root + u"\\dir one");
    EXPECT_EQ(Entries(Ctl(IDC_HD_FILFILES)), Strings{kOddName});
    EXPECT_EQ(prompts.inputBoxes[0].prompt + u"|" + prompts.inputBoxes[0].title, u"What folder?|Wrenfold");
}

TEST_F(Explorer, ActionsWorkOnRealFilesAndAFailedCopyNeverCostsTheSource) {
    Open(launcher, root);
    Click(IDC_HD_CMDDO);  // nothing selected: nothing happens (any box would throw in the fake)
    const std::u16string r = root + u"\\";
    prompts.inputs = {r + u"copy.txt", r + u"a.txt", u"", r + u"nowhere\\x.txt", r + u"sub\\moved.txt", u"renamed.txt",
                      r + u"ro.txt"};
    prompts.answers = {answer::Abort, answer::Abort, answer::Ignore, answer::Abort};
    Act(action::Copy, u"a.txt");
    Act(action::Copy, u"a.txt");  // onto itself
    Act(action::Copy, u"a.txt");  // to no name
    Act(action::Move, u"a.txt");  // into a missing folder, answered Ignore
    EXPECT_EQ(Bytes(r + u"copy.txt") + "|" + Bytes(r + u"a.txt"), "alpha|alpha") << "the source is whole";
    EXPECT_EQ(Reports(), 3);
    EXPECT_EQ(prompts.inputBoxes[0].title + u"|" + prompts.inputBoxes[0].prompt,
              u"Copy to?|Please enter a path and filename to copy " + r + u"a.txt to:");
    EXPECT_EQ(prompts.inputBoxes[3].title + u"|" + prompts.inputBoxes[3].prompt,
              u"Move to?|Please enter a path and filename to move " + r + u"a.txt to:");
    Act(action::Move, u"b c.txt");
    EXPECT_EQ(Bytes(r + u"b c.txt") + "|" + Bytes(r + u"sub\\moved.txt"), "<missing>|bravo charlie");
    EXPECT_EQ(Entries(Ctl(IDC_HD_FILFILES)).size(), 4u) << "nothing is refreshed after an action";
    Type(IDC_HD_TXTFILTER, u"*");  // refilled
    Act(action::Rename, u"copy.txt");
    EXPECT_EQ(Bytes(r + u"copy.txt") + "|" + Bytes(r + u"renamed.txt"), "<missing>|alpha");
    EXPECT_EQ(prompts.inputBoxes[5].title + u"|" + prompts.inputBoxes[5].prompt,
              u"Filename|Please type in the new FILENAME for copy.txt:");
    Act(action::Copy, u"a.txt");  // onto a read-only file
    EXPECT_EQ(Bytes(r + u"ro.txt"), "read only");
    EXPECT_NE(prompts.messages.back().text.find(u"(70)"), std::u16string::npos);

    // Delete: No keeps, Yes removes; a file held open fails, Retry asks again, Ignore leaves it.
    win::UniqueFile held(CreateFileW(win::W(r + u"locked.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    prompts.answers = {answer::No, answer::Yes, answer::Yes, answer::Retry, answer::Ignore};
    Act(action::Delete, u"a.txt");
    EXPECT_TRUE(Exists(r + u"a.txt"));
    EXPECT_EQ(prompts.messages.back().title + u"|" + prompts.messages.back().text + ToU16(std::to_string(prompts.messages.back().style)),
              u"DELETE|Are you sure you want to delete " + r +
                  u"a.txt? YOU WILL NOT BE ABLE TO RETRIEVE IT AFTER IT IS DELETED!52");
    Act(action::Delete, u"a.txt");
    Act(action::Delete, u"locked.txt");
    EXPECT_TRUE(!Exists(r + u"a.txt") && Exists(r + u"locked.txt"));
    EXPECT_EQ(Reports(), 6);
    EXPECT_TRUE(prompts.answers.empty() && prompts.inputs.empty());

    // Open with: the program, one space, the path unquoted; through the recording launcher.
    Act(action::OpenWith, u"ro.txt");
    ASSERT_EQ(launcher.attempts.size(), 1u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"explorer.exe " + r + u"ro.txt");
}

TEST_F(Explorer, ShellToItStartsARealProgramFromAFolderWithBlanks) {
    Put(u"dir one\\run me.bat", "@echo ran> \"%~dp0ran.txt\"\r\n");
    win::Win32Launcher real;
    Open(real, root + u"\\dir one");
    // Waits on changes in the folder, for ten seconds at most.
    win::Unique<HANDLE, CloseChangeWatch, -1> watch(
        FindFirstChangeNotificationW(win::W(root + u"\\dir one"), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
    Act(action::Shell, u"run me.bat");
    for (int i = 0; i < 100 && !Exists(root + u"\\dir one\\ran.txt"); ++i) {
        WaitForSingleObject(watch.get(), 100);
        FindNextChangeNotification(watch.get());
    }
    EXPECT_TRUE(Exists(root + u"\\dir one\\ran.txt"));
    // A file that is no program fails and is reported.
    prompts.answers = {answer::Abort};
    Act(action::Shell, kOddName);
    EXPECT_EQ(Reports(), 1);
}

// ---- Window hide and show ----

LRESULT CALLBACK PlainWindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(h, msg, wp, lp); }

struct HideShowWindow : ::testing::Test {
    win::Forms forms;
    win::Win32WindowList windows;
    HWND dlg = nullptr;
    std::vector<HWND> mine;

    void TearDown() override {
        forms.UnloadAll();
        for (HWND h : mine) DestroyWindow(h);
    }
    HWND List(int id) const { return GetDlgItem(dlg, id); }
    // This test's windows in a list as "title=index" (the tool itself "=self"), the chosen one marked "*".
    std::u16string Mine(int id) {
        std::u16string out;
        const Strings lines = Entries(List(id));
        const LRESULT chosen = SendMessageW(List(id), LB_GETCURSEL, 0, 0);
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto h = reinterpret_cast<HWND>(SendMessageW(List(id), LB_GETITEMDATA, i, 0));
            const auto at = std::find(mine.begin(), mine.end(), h);
            if (at != mine.end() || h == dlg)
                out += (chosen == static_cast<LRESULT>(i) ? u"*" : u"") + lines[i] + u"=" +
                       (h == dlg ? u"self" : ToU16(std::to_string(at - mine.begin()))) + u";";
        }
        return out;
    }
    void Select(int id, const std::u16string& text) {
        SendMessageW(List(id), LB_SETCURSEL, IndexOf(Entries(List(id)), text), 0);
    }
    void Press(int id) { SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }
};

TEST_F(HideShowWindow, ListsTheTestsWindowsAndHidesAndShowsThemThroughTheirHandles) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainWindowProc;
    wc.lpszClassName = L"WfHideShowTest";
    RegisterClassW(&wc);
    for (auto [title, visible] : {std::pair{L"wf b same", true}, {L"wf A visible", true}, {L"wf c hidden", false},
                                  {L"wf b same", true}, {L"   ", true}, {L"", true}, {L"wf d doomed", true}})
        mine.push_back(CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0,
                                       0, 100, 80, nullptr, nullptr, nullptr, nullptr));
    dlg = forms.Open<frmHideShowWindow>("frmHideShowWindow", windows).hwnd();
    // At load the tool itself was still hidden; sorted without regard to case, the newer of two same
    // titles first (Z-order); blanks only is an empty entry; the first entry of each list chosen.
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS), u"*=4;wf A visible=1;wf b same=3;wf b same=0;wf d doomed=6;");
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), u"wf c hidden=2;Window Hide and Show=self;");
    EXPECT_EQ(SendMessageW(List(IDC_HS_LSTHIDDENWINDOWS), LB_GETCURSEL, 0, 0), 0) << "Wine's own hidden windows come first";

    // The refresh keeps the selection by title and drops a destroyed window.
    Select(IDC_HS_LSTVISIBLEWINDOWS, u"wf d doomed");
    Select(IDC_HS_LSTHIDDENWINDOWS, u"wf c hidden");
    DestroyWindow(mine[6]);
    SendMessageW(dlg, WM_TIMER, IDT_HS_LBLUPDATE, 0);
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS), u"=4;wf A visible=1;wf b same=3;wf b same=0;Window Hide and Show=self;");
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), u"*wf c hidden=2;");

    // Hide and Show move the real window and choose its title in the other list.
    Select(IDC_HS_LSTVISIBLEWINDOWS, u"wf A visible");
    Press(IDC_HS_CMDHIDE);
    EXPECT_FALSE(IsWindowVisible(mine[1]));
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), u"*wf A visible=1;wf c hidden=2;");
    Press(IDC_HS_CMDSHOW);
    EXPECT_TRUE(IsWindowVisible(mine[1]));
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS).substr(0, 19), u"=4;*wf A visible=1;");
    // The five-second refresh is set: only a timer that exists can be killed.
    EXPECT_TRUE(KillTimer(dlg, IDT_HS_LBLUPDATE));
    // No selection: no window is touched, nothing ends.
    Press(IDC_HS_CMDSHOW);
    EXPECT_TRUE(IsWindowVisible(mine[2]) == FALSE && IsWindow(dlg));
}

}  // namespace
}  // namespace wf
