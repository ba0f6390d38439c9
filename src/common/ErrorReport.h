#pragma once
// The one report for trapped command failures and the
// Abort/Retry/Ignore protocol that every command follows with its answer.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "platform/Prompts.h"

namespace wf {

enum class ErrorChoice : int32_t { Abort = 0, Retry = 1, Ignore = 2 };

// The text and title the report shows; split out so they can be checked alone.
std::u16string CommandErrorText(const CommandError& error);
std::u16string CommandErrorTitle(std::u16string_view commandName);
inline constexpr int kCommandErrorStyle = mb::Exclamation + mb::AbortRetryIgnore;

ErrorChoice ReportCommandError(Prompts& prompts, const CommandError& error,
                               std::u16string_view commandName);

enum class StepResult { Done, Ignored, Aborted };

// Runs one step of a command under the protocol: a CommandError is reported;
// Retry runs the step again (as often as the user wants), Ignore goes on after
// it, Abort tells the caller to leave the command.
template <class Step>
StepResult RunStep(Prompts& prompts, std::u16string_view commandName, Step&& step) {
    for (;;) {
        try {
            step();
            return StepResult::Done;
        } catch (const CommandError& e) {
            switch (ReportCommandError(prompts, e, commandName)) {
            case ErrorChoice::Retry: continue;
            case ErrorChoice::Ignore: return StepResult::Ignored;
            case ErrorChoice::Abort: return StepResult::Aborted;
            }
            return StepResult::Aborted;
        }
    }
}

}  // namespace wf
