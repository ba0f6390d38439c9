// The file and window tools on Windows: the explorer and the lister on a real
// tree under the temporary folder, and the hide/show window on real top-level
// windows made here. Their rules are tested natively; these tests keep to
// what the controls are bound to, the real file system, a real child process,
// real windows and the window framework.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "common/Text.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
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

namespace fs = std::filesystem;
using Strings = std::vector<std::u16string>;
const std::u16string kOddName = u"\u0416\u4e2d \u00e9.txt";  // not in any one ANSI code page

std::string Bytes(const std::u16string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}
bool Exists(const std::u16string& path) { return GetFileAttributesW(win::W(path)) != INVALID_FILE_ATTRIBUTES; }
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

struct FileTools : ::testing::Test {
    const std::u16string root = fs::temp_directory_path().u16string() + u"wf files " +
                                ToU16(std::to_string(GetCurrentProcessId())), r = root + u"\\";
    win::Forms forms;
    test::FakePrompts prompts;
    test::FakeLauncher launcher;
    win::Win32FileOperations files;
    WithEmptyDrive folders;
    win::Win32DirectorySearch search;
    OncePump pump{forms};
    uint64_t now = 0;  // a clock that moves 1 ms a look: events run every few entries
    HWND dlg = nullptr;
    frmHardDriveExplorer* explorer = nullptr;
    frmFilesInFolder* lister = nullptr;
    std::vector<HWND> mine;  // top-level windows made here

    void Put(const std::u16string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const fs::path p(r + name);
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        SetFileAttributesW(p.c_str(), attributes);
    }
    void SetUp() override {
        TearDown();
        for (const char16_t* d : {u"empty", u"many"}) fs::create_directories(fs::path(r + d));
        for (const auto& [name, bytes] : std::vector<std::pair<std::u16string, std::string>>{
                 {u"a.txt", "alpha"}, {u"b c.txt", "bravo charlie"}, {u"locked.txt", "held"}, {u"sys\\in.txt", "s"},
                 {u"hid\\in.txt", "h"}, {u"sub\\s.txt", "s"}, {u"sub\\deep\\d.txt", "d"}, {u"dir one\\" + kOddName, "odd"}})
            Put(name, bytes);
        Put(u"ro.txt", "read only", FILE_ATTRIBUTE_READONLY);
        Put(u"hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesW(win::W(r + u"sys"), FILE_ATTRIBUTE_SYSTEM);
        SetFileAttributesW(win::W(r + u"hid"), FILE_ATTRIBUTE_HIDDEN);
    }
    void TearDown() override {
        forms.UnloadAll();
        for (HWND h : std::exchange(mine, {})) DestroyWindow(h);
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(fs::path(root), ec))
            SetFileAttributesW(e.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(fs::path(root), ec);
    }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Drive(const std::vector<test::Step>& steps, std::initializer_list<int> read = {}) {
        return test::Drive(dlg, steps, read);
    }
    Strings Entries(int id) const {  // without the folder list's indentation
        Strings items = test::ListItems(Ctl(id));
        for (auto& s : items) s.erase(0, s.find_first_not_of(u' '));
        return items;
    }

    void OpenExplorer(Launcher& l, const std::u16string& folder) {
        explorer = &forms.Open<frmHardDriveExplorer>("frmHardDriveExplorer", prompts, l, files, folders, folder);
        dlg = explorer->hwnd();
    }
    std::u16string Path() { return test::WindowText(Ctl(IDC_HD_LBLPATH)); }
    void Act(int16_t action, const std::u16string& file) {
        Drive({{IDC_HD_OPTWHAT_BASE + action}, {IDC_HD_FILFILES, file}, {IDC_HD_CMDDO}});
    }
    void DoubleClickBackground(const std::u16string& answer) {
        prompts.inputs.push_back(answer);
        SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    }
    int Reports() const {
        return static_cast<int>(std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                              [](const auto& m) { return m.title == u"Quillet error"; }));
    }

    void OpenLister() {
        lister = &forms.Open<frmFilesInFolder>("frmFilesInFolder", prompts, pump, search, [this] { return ++now; });
        dlg = lister->hwnd();
    }
    // The lister's lines, once the list box counts as many.
    Strings List(const std::u16string& folder) {
        Drive({{IDC_FF_TXTINFOLDER, folder}, {IDC_FF_CMDOK}});
        Strings out;
        for (size_t i = 0; i < lister->Lines().Count(); ++i) out.emplace_back(lister->Lines().Line(i));
        EXPECT_EQ(SendMessageW(Ctl(IDC_FF_LSTFILES), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(out.size()));
        return out;
    }

    // This test's windows in a hide/show list as "title=index" (the tool itself "=self"), the chosen one marked "*".
    std::u16string Mine(int id) {
        std::u16string out;
        const Strings lines = test::ListItems(Ctl(id));
        const LRESULT chosen = SendMessageW(Ctl(id), LB_GETCURSEL, 0, 0);
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto h = reinterpret_cast<HWND>(SendMessageW(Ctl(id), LB_GETITEMDATA, i, 0));
            const auto at = std::find(mine.begin(), mine.end(), h);
            if (at != mine.end() || h == dlg)
                out += (chosen == static_cast<LRESULT>(i) ? u"*" : u"") + lines[i] + u"=" +
                       (h == dlg ? u"self" : ToU16(std::to_string(at - mine.begin()))) + u";";
        }
        return out;
    }
};

// ---- Files in folder ----

TEST_F(FileTools, FilesInFolderListsARealTreeWithoutHiddenOrSystemEntries) {
    OpenLister();
    EXPECT_EQ(test::WindowText(Ctl(IDC_FF_TXTINFOLDER)), u"c:\\");
    // What is listed is the real search's; the order is the listing rule's, checked natively.
    Strings lines = List(r);
    for (auto& l : lines) l.erase(0, r.size());
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (Strings{u"a.txt", u"b c.txt", u"dir one\\" + kOddName, u"locked.txt", u"ro.txt", u"sub\\deep\\d.txt",
                              u"sub\\s.txt"}));
    EXPECT_TRUE(prompts.messages.empty());

    // Without the backslash the folder's own name fails its attribute query.
    prompts.answers = {answer::Abort};
    EXPECT_TRUE(List(root).empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, u"Files in Folder error");
    EXPECT_NE(prompts.messages[0].text.find(u"(53)"), std::u16string::npos);
}

TEST_F(FileTools, FilesInFolderRestartsOnASecondOkAndEndsWhenClosed) {
    for (int i = 0; i < 100; ++i) Put(u"many\\f" + ToU16(std::to_string(i)), "");
    OpenLister();
    // Pressed from inside the first listing's events: the new folder is listed instead.
    pump.once = [&] {
        SetWindowTextW(Ctl(IDC_FF_TXTINFOLDER), win::W(r + u"sub\\"));
        test::PressButton(dlg, IDC_FF_CMDOK);
    };
    EXPECT_EQ(List(r + u"many\\"), (Strings{r + u"sub\\s.txt", r + u"sub\\deep\\d.txt"}));
    EXPECT_FALSE(pump.once) << "the listing let events run";

    pump.once = [&] { PostMessageW(dlg, WM_CLOSE, 0, 0); };
    Drive({{IDC_FF_TXTINFOLDER, r + u"many\\"}, {IDC_FF_CMDOK}});
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
}

// ---- Hard drive explorer ----

TEST_F(FileTools, ExplorerOpensOnItsFolderWithTheListsCoupledAndTheFilterLive) {
    OpenExplorer(launcher, root);
    EXPECT_EQ(Path() + u"|" + explorer->lblPathTag() + u"|" + test::WindowText(Ctl(IDC_HD_TXTOPENWITH)),
              root + u"|" + r + u"|explorer.exe");
    EXPECT_TRUE(IsDlgButtonChecked(dlg, IDC_HD_OPTWHAT_BASE + action::Shell));
    EXPECT_EQ(Entries(IDC_HD_FILFILES), (Strings{u"a.txt", u"b c.txt", u"locked.txt", u"ro.txt"}));
    const Strings dirs = Entries(IDC_HD_DIRFILES), drives = Entries(IDC_HD_DRVFILES);
    EXPECT_EQ(Strings(dirs.end() - 4, dirs.end()), (Strings{u"dir one", u"empty", u"many", u"sub"}));
    const auto z = std::find_if(drives.begin(), drives.end(), [](const auto& d) { return d.rfind(u"z:", 0) == 0; });
    ASSERT_NE(z, drives.end());
    EXPECT_EQ(drives.front().substr(0, 2), u"c:");

    Drive({{IDC_HD_TXTFILTER, u"b*; r?.txt"}});
    EXPECT_EQ(Entries(IDC_HD_FILFILES), (Strings{u"b c.txt", u"ro.txt"}));
    EXPECT_EQ(Drive({{IDC_HD_TXTFILTER, u""}, {IDC_HD_FILFILES, u"b c.txt"}}, {IDC_HD_LBLPATH}), r + u"b c.txt");
    EXPECT_EQ(Drive({{IDC_HD_DIRFILES, u"sub", LBN_DBLCLK}}, {IDC_HD_LBLPATH}) + u"|" + explorer->lblPathTag(),
              r + u"sub|" + r + u"sub\\");
    EXPECT_EQ(Entries(IDC_HD_FILFILES), Strings{u"s.txt"});
    EXPECT_EQ(Entries(IDC_HD_DIRFILES).back(), u"deep");

    // Another drive: its current folder, the drive's name in the label; one without medium changes nothing.
    prompts.answers = {answer::Ok};
    Drive({{IDC_HD_DRVFILES, u"q:"}});
    EXPECT_EQ(Path() + test::WindowText(Ctl(IDC_HD_DRVFILES)), r + u"sub" + drives.front());
    Drive({{IDC_HD_DRVFILES, *z}});
    EXPECT_EQ(Path(), *z);
    EXPECT_EQ(Entries(IDC_HD_DIRFILES).front(), u"Z:\\");

    // The background's double click asks for a folder; Cancel and a missing one change nothing.
    EXPECT_TRUE(GetClassLongPtrW(dlg, GCL_STYLE) & CS_DBLCLKS);
    prompts.answers = {answer::Ok};
    DoubleClickBackground(u"");
    DoubleClickBackground(r + u"nowhere");
    EXPECT_EQ(Path(), *z);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text + u"|" + prompts.messages[1].text,
              u"Cannot open q::\r\nDisk not ready|Cannot open " + r + u"nowhere:\r\nPath not found");
    DoubleClickBackground(r + u"dir one\\");
    EXPECT_EQ(Path(), r + u"dir one");
    EXPECT_EQ(Entries(IDC_HD_FILFILES), Strings{kOddName});
    EXPECT_EQ(prompts.inputBoxes[0].prompt + u"|" + prompts.inputBoxes[0].title, u"What folder?|Wrenfold");
}

TEST_F(FileTools, ExplorerActsOnRealFilesAndAFailedCopyNeverCostsTheSource) {
    OpenExplorer(launcher, root);
    Drive({{IDC_HD_CMDDO}});  // nothing selected: nothing happens (any box would throw in the fake)
    // A copy, then three that fail: onto itself, to no name, and a Move into a missing folder answered Ignore.
    prompts.inputs = {r + u"copy.txt", r + u"a.txt", u"", r + u"nowhere\\x.txt", r + u"sub\\moved.txt", r + u"ro.txt"};
    prompts.answers = {answer::Abort, answer::Abort, answer::Ignore, answer::Abort};
    for (int16_t a : {action::Copy, action::Copy, action::Copy, action::Move}) Act(a, u"a.txt");
    EXPECT_EQ(Bytes(r + u"copy.txt") + "|" + Bytes(r + u"a.txt"), "alpha|alpha") << "the source is whole";
    EXPECT_EQ(Reports(), 3);
    Act(action::Move, u"b c.txt");
    EXPECT_EQ(Bytes(r + u"b c.txt") + "|" + Bytes(r + u"sub\\moved.txt"), "<missing>|bravo charlie");
    EXPECT_EQ(Entries(IDC_HD_FILFILES).size(), 4u) << "nothing is refreshed after an action";
    Act(action::Copy, u"a.txt");  // onto a read-only file
    EXPECT_EQ(Bytes(r + u"ro.txt"), "read only");
    EXPECT_NE(prompts.messages.back().text.find(u"(70)"), std::u16string::npos);

    // Delete: No keeps, Yes removes; a file held open fails, Retry asks again, Ignore leaves it.
    win::UniqueFile held(CreateFileW(win::W(r + u"locked.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    prompts.answers = {answer::No, answer::Yes, answer::Yes, answer::Retry, answer::Ignore};
    Act(action::Delete, u"a.txt");
    EXPECT_TRUE(Exists(r + u"a.txt"));
    Act(action::Delete, u"a.txt");
    Act(action::Delete, u"locked.txt");
    EXPECT_TRUE(!Exists(r + u"a.txt") && Exists(r + u"locked.txt"));
    EXPECT_EQ(Reports(), 6);
    EXPECT_TRUE(prompts.answers.empty() && prompts.inputs.empty());

    // Open with: the program box, one space, the path unquoted; through the recording launcher.
    Drive({{IDC_HD_TXTOPENWITH, u"notepad.exe"}});
    Act(action::OpenWith, u"ro.txt");
    ASSERT_EQ(launcher.attempts.size(), 1u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"notepad.exe " + r + u"ro.txt");
}

TEST_F(FileTools, ExplorerShellToItStartsARealProgramFromAFolderWithBlanks) {
    Put(u"dir one\\run me.bat", "@echo ran> \"%~dp0ran.txt\"\r\n");
    win::Win32Launcher real;
    OpenExplorer(real, r + u"dir one");
    // Waits on changes in the folder, for ten seconds at most.
    win::Unique<HANDLE, CloseChangeWatch, -1> watch(
        FindFirstChangeNotificationW(win::W(r + u"dir one"), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
    Act(action::Shell, u"run me.bat");
    for (int i = 0; i < 100 && !Exists(r + u"dir one\\ran.txt"); ++i) {
        WaitForSingleObject(watch.get(), 100);
        FindNextChangeNotification(watch.get());
    }
    EXPECT_TRUE(Exists(r + u"dir one\\ran.txt"));
    prompts.answers = {answer::Abort};
    Act(action::Shell, kOddName);  // no program: reported
    EXPECT_EQ(Reports(), 1);
}

// ---- Window hide and show ----

TEST_F(FileTools, HideShowListsRealWindowsAndHidesAndShowsThemThroughTheirHandles) {
    for (auto [title, visible] : {std::pair{L"wf b same", true}, {L"wf A visible", true}, {L"wf c hidden", false},
                                  {L"wf b same", true}, {L"   ", true}, {L"", true}, {L"wf d doomed", true}})
        mine.push_back(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0,
                                       0, 100, 80, nullptr, nullptr, nullptr, nullptr));
    win::Win32WindowList windows;
    dlg = forms.Open<frmHideShowWindow>("frmHideShowWindow", windows).hwnd();
    // At load the tool itself was still hidden; sorted without regard to case, the newer of two same
    // titles first (Z-order); blanks only is an empty entry; the first entry chosen.
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS), u"*=4;wf A visible=1;wf b same=3;wf b same=0;wf d doomed=6;");
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), u"wf c hidden=2;Window Hide and Show=self;");

    // The refresh keeps the selection by title and drops a destroyed window.
    Drive({{IDC_HS_LSTVISIBLEWINDOWS, u"wf d doomed"}, {IDC_HS_LSTHIDDENWINDOWS, u"wf c hidden"}});
    DestroyWindow(mine[6]);
    SendMessageW(dlg, WM_TIMER, IDT_HS_LBLUPDATE, 0);
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS), u"=4;wf A visible=1;wf b same=3;wf b same=0;Window Hide and Show=self;");
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), u"*wf c hidden=2;");

    // Hide and Show move the real window and choose its title in the other list.
    Drive({{IDC_HS_LSTVISIBLEWINDOWS, u"wf A visible"}, {IDC_HS_CMDHIDE}});
    EXPECT_FALSE(IsWindowVisible(mine[1]));
    EXPECT_EQ(Mine(IDC_HS_LSTHIDDENWINDOWS), u"*wf A visible=1;wf c hidden=2;");
    Drive({{IDC_HS_CMDSHOW}});
    EXPECT_TRUE(IsWindowVisible(mine[1]));
    EXPECT_EQ(Mine(IDC_HS_LSTVISIBLEWINDOWS).substr(0, 19), u"=4;*wf A visible=1;");
    EXPECT_TRUE(KillTimer(dlg, IDT_HS_LBLUPDATE)) << "the five-second refresh is set";
    Drive({{IDC_HS_CMDSHOW}});  // no selection: no window is touched, nothing ends
    EXPECT_TRUE(!IsWindowVisible(mine[2]) && IsWindow(dlg));
}

}  // namespace
}  // namespace wf
