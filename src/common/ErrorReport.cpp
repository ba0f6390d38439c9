#include "common/ErrorReport.h"

#include "common/Text.h"

namespace wf {

std::u16string CommandErrorText(const CommandError& error) {
    std::u16string text = u"An error occured while executing this command:\r\n\r\n";
    text += error.description();
    text += u" (";
    text += ToU16(std::to_string(error.number()));
    text += u")";
    return text;
}

std::u16string CommandErrorTitle(std::u16string_view commandName) {
    std::u16string title(commandName);
    title += u" error";
    return title;
}

ErrorChoice ReportCommandError(Prompts& prompts, const CommandError& error,
                               std::u16string_view commandName) {
    switch (prompts.MsgBox(CommandErrorText(error), CommandErrorTitle(commandName),
                               kCommandErrorStyle)) {
    case answer::Retry: return ErrorChoice::Retry;
    case answer::Ignore: return ErrorChoice::Ignore;
    default: return ErrorChoice::Abort;
    }
}

}  // namespace wf
