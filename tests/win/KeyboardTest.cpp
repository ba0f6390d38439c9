// Every tool window from the keyboard alone: Tab walks its controls in
// reading order, the focus starts where the user types, its access keys are
// unique and take the focus to the box they name, and Enter's default button
// is the one the window is designed with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <map>
#include <vector>

#include "asciipic/Win32PageServices.h"
#include "asciipic/frmASCII.h"
#include "fakes/FakeKeys.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32CommonDialogs.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileOperations.h"
#include "platform/win32/Win32FolderLists.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Mailslots.h"
#include "platform/win32/Win32NetApi.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Sockets.h"
#include "platform/win32/Win32WindowList.h"
#include "shell/frmAbout.h"
#include "shell/frmAboutIds.h"
#include "tools/files/frmFilesInFolder.h"
#include "tools/files/frmFilesInFolderIds.h"
#include "tools/files/frmHardDriveExplorer.h"
#include "tools/files/frmHardDriveExplorerIds.h"
#include "tools/files/frmHideShowWindow.h"
#include "tools/files/frmHideShowWindowIds.h"
#include "tools/net/frmHostFromIP.h"
#include "tools/net/frmHostFromIPIds.h"
#include "tools/net/frmIPFromHost.h"
#include "tools/net/frmIPFromHostIds.h"
#include "tools/net/frmMessages.h"
#include "tools/net/frmMessagesIds.h"
#include "tools/net/frmNetEnum.h"
#include "tools/net/frmNetEnumIds.h"
#include "tools/net/frmSimpleTerminal.h"
#include "tools/net/frmSimpleTerminalIds.h"
#include "tools/net/frmUserInfo.h"
#include "tools/net/frmUserInfoIds.h"
#include "tools/text/frmCodeDecode.h"
#include "tools/text/frmCodeDecodeIds.h"
#include "tools/text/frmMD5.h"
#include "tools/text/frmMD5Ids.h"
// The MD5 window and the generator both call their Exit button IDC_CMDEXIT.
constexpr int kMd5Exit = IDC_CMDEXIT;
#undef IDC_CMDEXIT
#include "asciipic/frmASCIIIds.h"
#include "tools/text/frmNumberConv.h"
#include "tools/text/frmNumberConvIds.h"
#include "tools/text/frmSendKeys.h"
#include "tools/text/frmSendKeysIds.h"
#include "tools/text/frmTTS.h"
#include "tools/text/frmTTSIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

// Every text hashes as "test" does, which is all the window's self-test asks.
struct TestDigestMd5 : Md5Library {
    int32_t MDFile(const char*, char* digest) override { return Test(digest); }
    int32_t MDStringFix(const char*, int32_t, char* digest) override { return Test(digest); }
    static int32_t Test(char* digest) { return *std::copy_n("098f6bcd4621d373cade4e832627b4f6", 32, digest) = 0; }
};

// A window as the keyboard meets it. The first tab stop is where the focus
// starts unless `focus` names another control.
struct Layout {
    const char* name;
    std::function<win::DialogForm&()> open;
    std::vector<int> tabs;
    int defaultButton;                  // 0: Enter presses nothing by itself
    std::map<wchar_t, int> accessKeys;  // the labels' keys and the box each reaches
    int focus = 0;
};

// Alt+key as the message loop hands it to the dialog manager.
HWND AltKey(HWND dlg, wchar_t key) {
    MSG msg{GetFocus(), WM_SYSCHAR, key, 1 << 29, static_cast<DWORD>(GetMessageTime()), {}};
    IsDialogMessageW(dlg, &msg);
    return GetFocus();
}

// Every access key the window's buttons, frames and labels carry, lower case.
std::vector<wchar_t> AccessKeys(HWND dlg) {
    std::vector<wchar_t> keys;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16]{};
        GetClassNameW(c, cls, 16);
        const bool prefixed = (wcscmp(cls, L"Static") == 0 && !(GetWindowLongW(c, GWL_STYLE) & SS_NOPREFIX)) ||
                              wcscmp(cls, L"Button") == 0;
        const std::u16string text = test::WindowText(c);
        for (size_t i = 0; prefixed && i + 1 < text.size(); ++i) {
            if (text[i] == u'&' && text[i + 1] != u'&') keys.push_back(static_cast<wchar_t>(std::towlower(text[i + 1])));
            if (text[i] == u'&') ++i;
        }
    }
    return keys;
}

TEST(Keyboard, EveryWindowIsReachableInReadingOrderWithUniqueAccessKeys) {
    win::Forms forms;
    test::FakePrompts prompts;
    test::FakeSpeechEngine speech;
    win::Win32EventPump pump(forms);
    win::Win32Clipboard clipboard;
    win::Win32CommonDialogs dialogs;
    win::Win32Launcher launcher;
    win::Win32Registry registry;
    win::Win32Mailslots mailslots;
    win::Win32Sockets sockets;
    win::Win32NetApi net;
    win::Win32FileOperations files;
    win::Win32FolderLists folders;
    win::Win32DirectorySearch search;
    win::Win32WindowList windows;
    win::Win32Keyboard keyboard(pump);
    win::Win32OutputFiles pages;
    win::Win32ClockLocale clock;
    TestDigestMd5 md5;
    const OsTest nt = [] { return true; };
    const int ncIn = IDC_NC_OPTINPUTTYPE_BASE + 2, ncOut = IDC_NC_OPTOUTPUTTYPE_BASE + 2;  // decimal both
    const std::vector<Layout> layouts = {
        {"frmMD5", [&]() -> win::DialogForm& { return forms.Open<frmMD5>("a", prompts, dialogs, clipboard, md5); },
         {IDC_TXTINPUTSTRING, IDC_TXTSTRINGHASH, IDC_CMDSTRINGCOPY, IDC_TXTINPUTFILE, IDC_CMDBROWSE, IDC_CMDGO,
          IDC_TXTFILEHASH, IDC_CMDFILECOPY, kMd5Exit},
         0, {{'s', IDC_TXTINPUTSTRING}, {'h', IDC_TXTSTRINGHASH}, {'f', IDC_TXTINPUTFILE}, {'a', IDC_TXTFILEHASH}}},
        {"frmCodeDecode", [&]() -> win::DialogForm& { return forms.Open<frmCodeDecode>("b", prompts, clipboard); },
         {IDC_CD_TXTINPUT, IDC_CD_CMDOK, IDC_CD_OPTCODE, IDC_CD_CMDCOPY1, IDC_CD_CMDCOPY2, IDC_CD_CMDCOPY3,
          IDC_CD_CMDEXIT},
         IDC_CD_CMDOK, {{'1', IDC_CD_CMDCOPY1}, {'2', IDC_CD_CMDCOPY2}, {'3', IDC_CD_CMDCOPY3}}},
        {"frmNumberConv", [&]() -> win::DialogForm& { return forms.Open<frmNumberConv>("c", prompts); },
         {IDC_NC_TXTINPUT, ncIn, ncOut, IDC_NC_CMDCONVERT, IDC_NC_CMDEXIT}, IDC_NC_CMDCONVERT,
         {{'i', IDC_NC_TXTINPUT}}},
        {"frmSendKeys", [&]() -> win::DialogForm& { return forms.Open<frmSendKeys>("d", prompts, keyboard); },
         {IDC_SK_TXTPROGNAME, IDC_SK_TXTSEND, IDC_SK_TXTHOWMANY, IDC_SK_CMDSEND, IDCANCEL}, 0,
         {{'p', IDC_SK_TXTPROGNAME}, {'w', IDC_SK_TXTSEND}, {'t', IDC_SK_TXTHOWMANY}}},
        {"frmTTS", [&]() -> win::DialogForm& { return forms.Open<frmTTS>("e", prompts, speech); },
         {IDC_TTS_TXTSAY, IDC_TTS_CMDSAY, IDC_TTS_CMDSTOP, IDC_TTS_CMDEXIT}, 0, {{'w', IDC_TTS_TXTSAY}}},
        {"frmMessages", [&]() -> win::DialogForm& { return forms.Open<frmMessages>("f", mailslots); },
         {IDC_MS_TXTFROM, IDC_MS_TXTTO, IDC_MS_TXTMESSAGE, IDC_MS_TXTSEND, IDC_MS_TXTCANCEL}, 0,
         {{'f', IDC_MS_TXTFROM}, {'t', IDC_MS_TXTTO}, {'m', IDC_MS_TXTMESSAGE}}},
        {"frmIPFromHost", [&]() -> win::DialogForm& { return forms.Open<frmIPFromHost>("g", prompts, sockets); },
         {IDC_IH_TXTHOSTNAME, IDC_IH_CMDGETIPADDR, IDC_IH_CMDEXIT}, IDC_IH_CMDGETIPADDR,
         {{'h', IDC_IH_TXTHOSTNAME}}},
        {"frmHostFromIP", [&]() -> win::DialogForm& { return forms.Open<frmHostFromIP>("h", prompts, sockets); },
         {IDC_HI_TXTIPADDR, IDC_HI_CMDGETHOST, IDC_HI_CMDEXIT}, IDC_HI_CMDGETHOST, {{'i', IDC_HI_TXTIPADDR}}},
        {"frmNetEnum", [&]() -> win::DialogForm& { return forms.Open<frmNetEnum>("i", prompts, net, nt); },
         {IDC_NE_CMBTYPES, IDC_NE_LSTCOMPUTERS, IDC_NE_CMDLIST, IDC_NE_CMDEXIT}, IDC_NE_CMDLIST, {}},
        {"frmUserInfo",
         [&]() -> win::DialogForm& { return forms.Open<frmUserInfo>("j", prompts, net, nt, u"jane", u"PC1"); },
         {IDC_UI_TXTUSERNAME, IDC_UI_CMDGETINFO, IDC_UI_TXTSERVERNAME, IDC_UI_CMDEXIT, IDC_UI_TXTINFONAME,
          IDC_UI_TXTINFOFULL, IDC_UI_TXTINFOSERVERCOMMENTS, IDC_UI_TXTINFOUSERCOMMENTS},
         IDC_UI_CMDGETINFO,
         {{'u', IDC_UI_TXTUSERNAME}, {'s', IDC_UI_TXTSERVERNAME}, {'n', IDC_UI_TXTINFONAME},
          {'f', IDC_UI_TXTINFOFULL}, {'c', IDC_UI_TXTINFOSERVERCOMMENTS}, {'o', IDC_UI_TXTINFOUSERCOMMENTS}}},
        {"frmSimpleTerminal", [&]() -> win::DialogForm& { return forms.Open<frmSimpleTerminal>("k", prompts, pump); },
         {IDC_ST_TXTSERVER, IDC_ST_TXTPORT, IDC_ST_CMDCONNECT, IDC_ST_CMDCLEAR, IDC_ST_CMDEXIT, IDC_ST_RTXSTUFF,
          IDC_ST_TXTSEND, IDC_ST_CMDSEND},
         0, {{'s', IDC_ST_TXTSERVER}, {'p', IDC_ST_TXTPORT}}},
        {"frmFilesInFolder",
         [&]() -> win::DialogForm& { return forms.Open<frmFilesInFolder>("l", prompts, pump, search); },
         {IDC_FF_TXTINFOLDER, IDC_FF_CMDOK, IDC_FF_LSTFILES, IDC_FF_CMDEXIT}, IDC_FF_CMDOK,
         {{'f', IDC_FF_TXTINFOLDER}}},
        // The explorer starts on its file list, what the window is for.
        {"frmHardDriveExplorer",
         [&]() -> win::DialogForm& {
             return forms.Open<frmHardDriveExplorer>("m", prompts, launcher, files, folders, win::ProgramFolder());
         },
         {IDC_HD_DRVFILES, IDC_HD_DIRFILES, IDC_HD_TXTFILTER, IDC_HD_FILFILES, IDC_HD_OPTWHAT_BASE,
          IDC_HD_TXTOPENWITH, IDC_HD_CMDDO, IDC_HD_CMDEXIT},
         0, {{'f', IDC_HD_TXTFILTER}}, IDC_HD_FILFILES},
        {"frmHideShowWindow", [&]() -> win::DialogForm& { return forms.Open<frmHideShowWindow>("n", windows); },
         {IDC_HS_LSTVISIBLEWINDOWS, IDC_HS_LSTHIDDENWINDOWS, IDC_HS_CMDHIDE, IDC_HS_CMDSHOW, IDC_HS_CMDEXIT}, 0, {}},
        {"frmASCII",
         [&]() -> win::DialogForm& { return forms.Open<frmASCII>("o", prompts, dialogs, pump, pages, clock, u"x"); },
         {IDC_TXTINFILE, IDC_CMDCHOOSEINPUT, IDC_TXTASCIICHAR, IDC_CMBQUALITY, IDC_CMDQUALITYHELP, IDC_TXTOUTFILE,
          IDC_CMDCHOOSEOUTPUT, IDC_TXTTITLE, IDC_CMBFONT, IDC_CHKBOLD, IDC_CHKCENTER, IDC_TXTSIZE, IDC_CMDBACKCOLOR,
          IDC_CMDGENERATE, IDC_CMDEXIT},
         0,
         {{'f', IDC_TXTINFILE}, {'t', IDC_TXTASCIICHAR}, {'n', IDC_TXTOUTFILE}, {'i', IDC_TXTTITLE},
          {'o', IDC_CMBFONT}, {'z', IDC_TXTSIZE}}},
        {"frmAbout", [&]() -> win::DialogForm& { return forms.Open<frmAbout>("p", registry, launcher, prompts); },
         {IDOK, IDC_CMDSYSINFO}, IDOK, {}},
    };
    for (const Layout& w : layouts) {
        SCOPED_TRACE(w.name);
        win::DialogForm& form = w.open();
        const HWND dlg = form.hwnd();
        test::PumpMessages();
        // A combo box's own edit box stands for the combo box.
        const auto id = [dlg](HWND c) { return !c ? -1 : GetDlgCtrlID(GetParent(c) == dlg ? c : GetParent(c)); };
        EXPECT_EQ(id(GetFocus()), w.focus ? w.focus : w.tabs.front());
        std::vector<int> tabs;
        const HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
        for (HWND c = first; c && tabs.size() <= w.tabs.size(); c = GetNextDlgTabItem(dlg, c, FALSE)) {
            tabs.push_back(id(c));
            if (GetNextDlgTabItem(dlg, c, FALSE) == first) break;
        }
        EXPECT_EQ(tabs, w.tabs);

        int defaultButton = 0;
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (SendMessageW(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) defaultButton = id(c);
        EXPECT_EQ(defaultButton, w.defaultButton);

        std::vector<wchar_t> keys = AccessKeys(dlg);
        std::sort(keys.begin(), keys.end());
        EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end()) << "an access key is used twice";
        for (const auto& [key, target] : w.accessKeys) {
            // A key no control carries would open the system menu's loop.
            if (!std::binary_search(keys.begin(), keys.end(), key)) {
                ADD_FAILURE() << "no control carries Alt+" << static_cast<char>(key);
                continue;
            }
            SetFocus(first);
            EXPECT_EQ(id(AltKey(dlg, key)), target) << "Alt+" << static_cast<char>(key);
        }
        form.Unload();
        test::PumpMessages();
    }
}

}  // namespace
}  // namespace wf
