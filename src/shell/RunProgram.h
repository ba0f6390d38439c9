#pragma once
// "Run a Program..." and "Start other Program...": ask how to find the
// program, then start the command line exactly as given.
#include <cstdint>

#include "platform/CommonDialogs.h"
#include "platform/Launcher.h"
#include "platform/Prompts.h"

namespace wf {

class RunProgram {
public:
    RunProgram(Prompts& prompts, CommonDialogs& dialogs, Launcher& launcher, uintptr_t ownerWindow)
        : prompts_(prompts), dialogs_(dialogs), launcher_(launcher), owner_(ownerWindow) {}

    void mnuRunProg_Click();
    void mnuOtherProg_Click() { mnuRunProg_Click(); }

private:
    Prompts& prompts_;
    CommonDialogs& dialogs_;
    Launcher& launcher_;
    uintptr_t owner_;
};

}  // namespace wf
