#include "app/Tools.h"

#include "shell/RunProgram.h"
#include "shell/frmAbout.h"
#include "shell/frmMainIds.h"

namespace wf {

void RegisterTools(frmMain& main, Services& s) {
    main.RegisterRunProgram([&main, &s] {
        RunProgram(s.prompts, s.dialogs, s.launcher, reinterpret_cast<uintptr_t>(main.hwnd())).mnuRunProg_Click();
    });
    main.RegisterTool(IDM_MNUABOUT, [&s](win::Forms& f) { f.Open<frmAbout>("frmAbout", s.registry, s.launcher, s.prompts); });
}

}  // namespace wf
