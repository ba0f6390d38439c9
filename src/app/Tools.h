#pragma once
// Hooks every tool window that exists to its entry of the tray menu.
#include "platform/Clipboard.h"
#include "platform/CommonDialogs.h"
#include "platform/EventPump.h"
#include "platform/Launcher.h"
#include "platform/Prompts.h"
#include "platform/Registry.h"
#include "shell/frmMain.h"

namespace wf {

// The program's platform services, made once in main and lent to the windows.
struct Services {
    Prompts& prompts;
    Launcher& launcher;
    Clipboard& clipboard;
    CommonDialogs& dialogs;
    Registry& registry;
    EventPump& pump;
};

void RegisterTools(frmMain& main, Services& services);

}  // namespace wf
