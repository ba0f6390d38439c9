#pragma once
// frmMain: the hidden start-up window that owns the tray icon, its popup menu
// and the menu handlers.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "shell/ShellLogic.h"

namespace wf {

class frmMain : public win::DialogForm {
public:
    using ToolOpener = std::function<void(win::Forms&)>;
    using HandOverHandler = std::function<void(win::Forms&, const std::u16string& commandLine)>;

    frmMain(win::Forms& forms, Prompts& prompts, Launcher& launcher, Help& help, std::u16string exePath,
            std::u16string dosPrefix);

    // Hooks a tool window to its menu entry; entries without one do nothing.
    void RegisterTool(int menuId, ToolOpener opener);
    // Hooks the two "run a program" entries to their command.
    void RegisterRunProgram(std::function<void()> run) { runProgram_ = std::move(run); }
    // Hooks what a command line handed over by a second start does here.
    void RegisterHandOver(HandOverHandler handOver) { handOver_ = std::move(handOver); }

    // The window's class and caption (frmMain.rc), which a second start
    // looks for before asking the window whether it is ours.
    static constexpr wchar_t kWindowClass[] = L"#32770";
    static constexpr wchar_t kCaption[] = L"Wrenfold Main Window";

    // The one-time notice that the program is loaded and where to find it.
    void ShowLoadedNotice();

    const NOTIFYICONDATAA& TrayIcon() const { return trayIcon_; }
    HMENU PopupMenu() const { return GetSubMenu(menu_.get(), 0); }
    const std::u16string& HelpFile() const { return helpFile_; }
    MenuCommands& Commands() { return commands_; }

    void mnuExit_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void OnTimer(UINT_PTR id) override;
    // Shows mnuPopup at the mouse; modal until the menu closes.
    virtual void ShowPopupMenu();
    // Adds or removes the tray icon; false when the shell refuses.
    virtual bool NotifyIcon(DWORD message);

    // A shell that is not ready yet (at log-on) refuses the icon: the add is
    // tried again every 2 s for 2 minutes, and whenever the taskbar appears.
    static constexpr UINT_PTR kTrayRetryTimer = 1;
    static constexpr UINT kTrayRetryMs = 2000;
    static constexpr int kTrayRetries = 60;
    // Posted to itself after a hand-over is received: the sender is not kept
    // waiting while windows open or a message box shows.
    static constexpr UINT kHandOverPosted = WM_APP + 1;

private:
    void Form_MouseMove(int x);
    void AddTrayIcon();

    Prompts& prompts_;
    std::u16string helpFile_;
    MenuCommands commands_;
    win::UniqueMenu menu_;
    NOTIFYICONDATAA trayIcon_{};
    UINT taskbarCreated_;
    UINT handOverQuery_;
    std::vector<std::u16string> handedOver_;
    int trayRetriesLeft_ = 0;
    std::map<int, ToolOpener> tools_;
    std::function<void()> runProgram_;
    HandOverHandler handOver_;
};

}  // namespace wf
