#include "shell/RunProgram.h"

#include <string>

#include "common/ErrorReport.h"

namespace wf {

void RunProgram::mnuRunProg_Click() {
    const int browse = prompts_.MsgBox(u"Do you want to use a browse dialog to find the file?", u"Question",
                                       mb::Question + mb::YesNo);
    std::u16string program;
    if (browse == answer::Yes) {
        static constexpr char16_t kFilter[] = u"Programs\0*.exe;*.com;*.bat";
        program = dialogs_.ShowOpenSaveDialog(owner_, 1, u"Choose file...", u"",
                                              std::u16string_view(kFilter, std::size(kFilter) - 1), u"", u"exe");
    } else {
        program = prompts_.InputBox(u"What program?", u"Program", u"");
    }
    if (program.empty()) return;  // Cancel is no failure
    // Handed over whole: arguments stay, and no quotes are added around blanks.
    RunStep(prompts_, u"Run other program", [&] { launcher_.Start(program, sw::ShowNormal); });
}

}  // namespace wf
