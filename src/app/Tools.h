#pragma once
// Hooks every tool window that exists to its entry of the tray menu.
#include "platform/Launcher.h"
#include "platform/Prompts.h"
#include "shell/frmMain.h"

namespace wf {

void RegisterTools(frmMain& main, Prompts& prompts, Launcher& launcher);

}  // namespace wf
