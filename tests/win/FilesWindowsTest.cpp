// The file and window tools on Windows: the explorer and the lister on a real
// tree under the temporary folder, the hide/show window on real top-level
// windows made here. Their rules are tested natively; these tests keep to what
// the controls are bound to, the real file system, processes and windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

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
    // A list's entries without the folder list's indentation, joined by "|".
    std::u16string Entries(int id) const {
        std::u16string all;
        for (const auto& s : test::ListItems(Ctl(id))) all += s.substr(s.find_first_not_of(u' ')) + u"|";
        return all;
    }
    std::u16string Path() { return test::WindowText(Ctl(IDC_HD_LBLPATH)); }
    void OpenExplorer(Launcher& l, const std::u16string& folder) {
        explorer = &forms.Open<frmHardDriveExplorer>("frmHardDriveExplorer", prompts, l, files, folders, folder);
        dlg = explorer->hwnd();
    }
    void Act(int16_t action, const std::u16string& file) {
        Drive({{IDC_HD_OPTWHAT_BASE + action}, {IDC_HD_FILFILES, file}, {IDC_HD_CMDDO}});
    }
    int Reports() const {
        return static_cast<int>(std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                              [](const auto& m) { return m.title == u"Quillet error"; }));
    }
    // The lister's lines, once the list box counts as many.
    Strings List(const std::u16string& folder) {
        Drive({{IDC_FF_TXTINFOLDER, folder}, {IDC_FF_CMDOK}});
        Strings out;
        for (size_t i = 0; i < lister->Lines().Count(); ++i) out.emplace_back(lister->Lines().Line(i));
        EXPECT_EQ(SendMessageW(Ctl(IDC_FF_LSTFILES), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(out.size()));
        return out;
    }
    // The entries of a hide/show list made here or the tool's own, the chosen one marked "*".
    std::u16string Listed(int id) {
        std::u16string out;
        const Strings titles = test::ListItems(Ctl(id));
        const LRESULT chosen = SendMessageW(Ctl(id), LB_GETCURSEL, 0, 0);
        for (size_t i = 0; i < titles.size(); ++i)
            if (titles[i].starts_with(u"wf ") || titles[i] == u"Window Hide and Show")
                out += (chosen == static_cast<LRESULT>(i) ? u"*" : u"") + titles[i] + u";";
        return out;
    }
};

TEST_F(FileTools, FilesInFolderListsARealTreeRestartsOnASecondOkAndEndsWhenClosed) {
    lister = &forms.Open<frmFilesInFolder>("frmFilesInFolder", prompts, pump, search, [this] { return ++now; });
    dlg = lister->hwnd();
    EXPECT_EQ(test::WindowText(Ctl(IDC_FF_TXTINFOLDER)), u"c:\\");
    // What is listed is the real search's; the order is the listing rule's, checked natively.
    Strings lines = List(r);
    for (auto& l : lines) l.erase(0, r.size());
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (Strings{u"a.txt", u"b c.txt", u"dir one\\" + kOddName, u"locked.txt", u"ro.txt", u"sub\\deep\\d.txt",
                              u"sub\\s.txt"}));
    // Without the backslash the folder's own name fails its attribute query.
    prompts.answers = {answer::Abort};
    EXPECT_TRUE(List(root).empty());
    EXPECT_TRUE(prompts.messages.size() == 1 && prompts.messages[0].text.ends_with(u" (53)"));

    // Pressed from inside the first listing's events: the new folder is listed instead.
    for (int i = 0; i < 100; ++i) Put(u"many\\f" + ToU16(std::to_string(i)), "");
    pump.once = [&] {
        SetWindowTextW(Ctl(IDC_FF_TXTINFOLDER), win::W(r + u"sub\\"));
        test::PressButton(dlg, IDC_FF_CMDOK);
    };
    EXPECT_EQ(List(r + u"many\\"), (Strings{r + u"sub\\s.txt", r + u"sub\\deep\\d.txt"}));
    EXPECT_FALSE(pump.once) << "the listing let events run";
    pump.once = [&] { PostMessageW(dlg, WM_CLOSE, 0, 0); };
    Drive({{IDC_FF_TXTINFOLDER, r + u"many\\"}, {IDC_FF_CMDOK}});
    EXPECT_TRUE(!IsWindow(dlg) && forms.Loaded().empty());
}

TEST_F(FileTools, ExplorerOpensOnItsFolderWithTheListsCoupledAndTheFilterLive) {
    OpenExplorer(launcher, root);
    EXPECT_EQ(Path() + u"|" + explorer->lblPathTag() + u"|" + test::WindowText(Ctl(IDC_HD_TXTOPENWITH)),
              root + u"|" + r + u"|explorer.exe");
    EXPECT_TRUE(IsDlgButtonChecked(dlg, IDC_HD_OPTWHAT_BASE + action::Shell));
    EXPECT_EQ(Entries(IDC_HD_FILFILES), u"a.txt|b c.txt|locked.txt|ro.txt|");
    EXPECT_TRUE(Entries(IDC_HD_DIRFILES).ends_with(u"|dir one|sub|"));
    const Strings drives = test::ListItems(Ctl(IDC_HD_DRVFILES));
    const auto z = std::find_if(drives.begin(), drives.end(), [](const auto& d) { return d.starts_with(u"z:"); });
    ASSERT_TRUE(z != drives.end() && drives.front().starts_with(u"c:"));

    Drive({{IDC_HD_TXTFILTER, u"b*; r?.txt"}});
    EXPECT_EQ(Entries(IDC_HD_FILFILES), u"b c.txt|ro.txt|");
    EXPECT_EQ(Drive({{IDC_HD_TXTFILTER, u""}, {IDC_HD_FILFILES, u"b c.txt"}}, {IDC_HD_LBLPATH}), r + u"b c.txt");
    EXPECT_EQ(Drive({{IDC_HD_DIRFILES, u"sub", LBN_DBLCLK}}, {IDC_HD_LBLPATH}) + u"|" + explorer->lblPathTag(),
              r + u"sub|" + r + u"sub\\");
    EXPECT_EQ(Entries(IDC_HD_FILFILES), u"s.txt|");
    EXPECT_TRUE(Entries(IDC_HD_DIRFILES).ends_with(u"|sub|deep|"));

    // Another drive: its current folder, the drive's name in the label; one without medium changes nothing.
    prompts.answers = {answer::Ok};
    Drive({{IDC_HD_DRVFILES, u"q:"}});
    EXPECT_EQ(Path() + test::WindowText(Ctl(IDC_HD_DRVFILES)), r + u"sub" + drives.front());
    Drive({{IDC_HD_DRVFILES, *z}});
    EXPECT_EQ(Path() + u"|" + Entries(IDC_HD_DIRFILES).substr(0, 4), *z + u"|Z:\\|");

    // The background's double click asks for a folder; Cancel and a missing one change nothing.
    EXPECT_TRUE(GetClassLongPtrW(dlg, GCL_STYLE) & CS_DBLCLKS);
    prompts.answers = {answer::Ok};
    prompts.inputs = {u"", r + u"nowhere", r + u"dir one\\"};
    for (int i = 0; i < 2; ++i) SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(Path(), *z);
    SendMessageW(dlg, WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text + u"|" + prompts.messages[1].text,
              u"Cannot open q::\r\nDisk not ready|Cannot open " + r + u"nowhere:\r\nPath not found");
    EXPECT_EQ(Path() + u"|" + Entries(IDC_HD_FILFILES), r + u"dir one|" + kOddName + u"|");
    EXPECT_EQ(prompts.inputBoxes[0].prompt + u"|" + prompts.inputBoxes[0].title, u"What folder?|Wrenfold");
}

TEST_F(FileTools, ExplorerActsOnRealFilesAndAFailedCopyNeverCostsTheSource) {
    OpenExplorer(launcher, root);
    Drive({{IDC_HD_CMDDO}});  // nothing selected: nothing happens (any box would throw in the fake)
    // A copy, then three that fail: onto itself, to no name, and a Move into a missing folder answered Ignore.
    prompts.inputs = {r + u"copy.txt", r + u"a.txt", u"", r + u"nowhere\\x.txt", r + u"sub\\moved.txt", r + u"ro.txt"};
    prompts.answers = {answer::Abort, answer::Abort, answer::Ignore, answer::Abort};
    for (int16_t a : {action::Copy, action::Copy, action::Copy, action::Move}) Act(a, u"a.txt");
    EXPECT_EQ(test::FileBytes(r + u"copy.txt") + "|" + test::FileBytes(r + u"a.txt"), "alpha|alpha");
    EXPECT_EQ(Reports(), 3);
    Act(action::Move, u"b c.txt");
    EXPECT_EQ(test::FileBytes(r + u"b c.txt") + "|" + test::FileBytes(r + u"sub\\moved.txt"),
              "<missing>|bravo charlie");
    EXPECT_EQ(Entries(IDC_HD_FILFILES), u"a.txt|b c.txt|locked.txt|ro.txt|") << "nothing is refreshed after an action";
    Act(action::Copy, u"a.txt");  // onto a read-only file
    EXPECT_EQ(test::FileBytes(r + u"ro.txt"), "read only");
    EXPECT_TRUE(prompts.messages.back().text.ends_with(u" (70)"));

    // Delete: No keeps, Yes removes; a file held open fails, Retry asks again, Ignore leaves it.
    win::UniqueFile held(CreateFileW(win::W(r + u"locked.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    prompts.answers = {answer::No, answer::Yes, answer::Yes, answer::Retry, answer::Ignore};
    Act(action::Delete, u"a.txt");
    EXPECT_TRUE(Exists(r + u"a.txt"));
    Act(action::Delete, u"a.txt");
    Act(action::Delete, u"locked.txt");
    EXPECT_TRUE(!Exists(r + u"a.txt") && Exists(r + u"locked.txt"));
    EXPECT_TRUE(Reports() == 6 && prompts.answers.empty() && prompts.inputs.empty());

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

TEST_F(FileTools, HideShowListsRealWindowsAndHidesAndShowsThemThroughTheirHandles) {
    // The blank title sorts first of all and takes the first choice, whatever else the desktop shows.
    for (auto [title, visible] : {std::pair{L"wf b", true}, {L"wf a", true}, {L"wf hidden", false}, {L"wf B", true},
                                  {L"wf doomed", true}, {L"   ", true}})
        mine.push_back(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0,
                                       0, 100, 80, nullptr, nullptr, nullptr, nullptr));
    win::Win32WindowList windows;
    dlg = forms.Open<frmHideShowWindow>("frmHideShowWindow", windows).hwnd();
    // Like titles in Z-order, the newer first; at load the tool itself was still hidden.
    EXPECT_EQ(Listed(IDC_HS_LSTVISIBLEWINDOWS) + u"|" + Listed(IDC_HS_LSTHIDDENWINDOWS),
              u"wf a;wf B;wf b;wf doomed;|wf hidden;Window Hide and Show;");
    DestroyWindow(mine[4]);
    SendMessageW(dlg, WM_TIMER, IDT_HS_LBLUPDATE, 0);
    EXPECT_EQ(Listed(IDC_HS_LSTVISIBLEWINDOWS), u"wf a;wf B;wf b;Window Hide and Show;");

    // Hide and Show move the real window and choose its title in the other list.
    Drive({{IDC_HS_LSTVISIBLEWINDOWS, u"wf a"}, {IDC_HS_CMDHIDE}});
    EXPECT_FALSE(IsWindowVisible(mine[1]));
    EXPECT_EQ(Listed(IDC_HS_LSTHIDDENWINDOWS), u"*wf a;wf hidden;");
    Drive({{IDC_HS_CMDSHOW}});
    EXPECT_TRUE(IsWindowVisible(mine[1]));
    EXPECT_TRUE(Listed(IDC_HS_LSTVISIBLEWINDOWS).starts_with(u"*wf a;"));
    EXPECT_TRUE(KillTimer(dlg, IDT_HS_LBLUPDATE)) << "the five-second refresh is set";
    Drive({{IDC_HS_CMDSHOW}});  // no selection: no window is touched, nothing ends
    EXPECT_TRUE(!IsWindowVisible(mine[2]) && IsWindow(dlg));
}

}  // namespace
}  // namespace wf
