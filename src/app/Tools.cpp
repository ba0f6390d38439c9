#include "app/Tools.h"

#include <memory>

#include "asciipic/Win32PageServices.h"
#include "asciipic/frmASCII.h"
#include "common/OsVersion.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/Win32FileOperations.h"
#include "platform/win32/Win32FolderLists.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32Mailslots.h"
#include "platform/win32/Win32NetApi.h"
#include "platform/win32/Win32Sockets.h"
#include "platform/win32/Win32Speech.h"
#include "platform/win32/Win32WindowList.h"
#include "platform/win32/WinUtil.h"
#include "shell/RunProgram.h"
#include "shell/frmAbout.h"
#include "shell/frmMainIds.h"
#include "tools/files/frmFilesInFolder.h"
#include "tools/files/frmHardDriveExplorer.h"
#include "tools/files/frmHideShowWindow.h"
#include "tools/net/frmHostFromIP.h"
#include "tools/net/frmIPFromHost.h"
#include "tools/net/frmMessages.h"
#include "tools/net/frmNetEnum.h"
#include "tools/net/frmUserInfo.h"
#include "tools/text/frmCodeDecode.h"
#include "tools/text/frmMD5.h"
#include "tools/text/frmNumberConv.h"
#include "platform/win32/WideText.h"
#include "tools/text/frmSendKeys.h"
#include "tools/text/frmTTS.h"
#include "tools/net/frmSimpleTerminal.h"

namespace wf {

void RegisterTools(frmMain& main, Services& s) {
    main.RegisterRunProgram([&main, &s] {
        RunProgram(s.prompts, s.dialogs, s.launcher, reinterpret_cast<uintptr_t>(main.hwnd())).mnuRunProg_Click();
    });
    main.RegisterTool(IDM_MNUCODEDECODE,
                      [&s](win::Forms& f) { f.Open<frmCodeDecode>("frmCodeDecode", s.prompts, s.clipboard); });
    main.RegisterTool(IDM_MNUNUMBERCONVERT,
                      [&s](win::Forms& f) { f.Open<frmNumberConv>("frmNumberConv", s.prompts); });
    // The library is loaded on first use and stays loaded while the menu lives,
    // across openings of the window.
    auto md5 = std::make_shared<Aamd532Library>();
    main.RegisterTool(IDM_MNUMD5HASH, [&s, md5](win::Forms& f) {
        f.Open<frmMD5>("frmMD5", s.prompts, s.dialogs, s.clipboard, *md5);
    });
    // The generator reads the program's command line each time it opens.
    auto pageFiles = std::make_shared<win::Win32OutputFiles>();
    auto clock = std::make_shared<win::Win32ClockLocale>();
    main.RegisterTool(IDM_MNUASCIIPIC, [&s, pageFiles, clock](win::Forms& f) {
        f.Open<frmASCII>("frmASCII", s.prompts, s.dialogs, s.pump, *pageFiles, *clock, win::U(GetCommandLineW()));
    });
    // A second start's command line opens the generator as the program's own would.
    main.RegisterHandOver([&s, pageFiles, clock](win::Forms& f, const std::u16string& commandLine) {
        GeneratorForHandOver(f, commandLine, [&](const std::u16string& line) {
            f.Open<frmASCII>("frmASCII", s.prompts, s.dialogs, s.pump, *pageFiles, *clock, line);
        });
    });
    auto mailslots = std::make_shared<win::Win32Mailslots>();
    main.RegisterTool(IDM_MNUSENDMESSAGE, [mailslots](win::Forms& f) { f.Open<frmMessages>("frmMessages", *mailslots); });
    auto sockets = std::make_shared<win::Win32Sockets>();
    main.RegisterTool(IDM_MNUHOST2IP,
                      [&s, sockets](win::Forms& f) { f.Open<frmIPFromHost>("frmIPFromHost", s.prompts, *sockets); });
    main.RegisterTool(IDM_MNUIP2HOST,
                      [&s, sockets](win::Forms& f) { f.Open<frmHostFromIP>("frmHostFromIP", s.prompts, *sockets); });
    auto net = std::make_shared<win::Win32NetApi>();
    const OsTest isWinNT2000 = [] { return IsWinNT2000(); };
    main.RegisterTool(IDM_MNUNETCOMP, [&s, net, isWinNT2000](win::Forms& f) {
        f.Open<frmNetEnum>("frmNetEnum", s.prompts, *net, isWinNT2000);
    });
    // The default server is this computer, so the window works as it opens.
    main.RegisterTool(IDM_MNUUSERINFO, [&s, net, isWinNT2000](win::Forms& f) {
        f.Open<frmUserInfo>("frmUserInfo", s.prompts, *net, isWinNT2000, win::CurrentUserName(),
                            win::LocalComputerName());
    });
    auto fileOps = std::make_shared<win::Win32FileOperations>();
    auto folderLists = std::make_shared<win::Win32FolderLists>();
    main.RegisterTool(IDM_MNUQUILLET, [&s, fileOps, folderLists](win::Forms& f) {
        f.Open<frmHardDriveExplorer>("frmHardDriveExplorer", s.prompts, s.launcher, *fileOps, *folderLists,
                                     win::ProgramFolder());
    });
    auto search = std::make_shared<win::Win32DirectorySearch>();
    main.RegisterTool(IDM_MNUFILESINFOLDER, [&s, search](win::Forms& f) {
        f.Open<frmFilesInFolder>("frmFilesInFolder", s.prompts, s.pump, *search);
    });
    auto windowList = std::make_shared<win::Win32WindowList>();
    main.RegisterTool(IDM_MNUWINHIDESHOW, [windowList](win::Forms& f) {
        f.Open<frmHideShowWindow>("frmHideShowWindow", *windowList);
    });
    auto keyboard = std::make_shared<win::Win32Keyboard>(s.pump);
    main.RegisterTool(IDM_MNUSENDKEYS,
                      [&s, keyboard](win::Forms& f) { f.Open<frmSendKeys>("frmSendKeys", s.prompts, *keyboard); });
    auto speech = std::make_shared<win::Win32SpeechEngine>();
    main.RegisterTool(IDM_MNUTTS, [&s, speech](win::Forms& f) { f.Open<frmTTS>("frmTTS", s.prompts, *speech); });
    // Offered at the end of Tools, so that users can reach the terminal.
    main.RegisterTool(IDM_MNUTERMINAL,
                      [&s](win::Forms& f) { f.Open<frmSimpleTerminal>("frmSimpleTerminal", s.prompts, s.pump); });
    main.RegisterTool(IDM_MNUABOUT, [&s](win::Forms& f) { f.Open<frmAbout>("frmAbout", s.registry, s.launcher, s.prompts); });
}

}  // namespace wf
