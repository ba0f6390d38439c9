#include "shell/HandOver.h"

#include <cstring>

#include "asciipic/GeneratorSettings.h"

namespace wf {

std::optional<std::u16string> HandedOverCommandLine(uintptr_t tag, const void* data, size_t bytes) {
    if (tag != kHandOverTag || data == nullptr || bytes == 0 || bytes % sizeof(char16_t) != 0) return std::nullopt;
    size_t chars = bytes / sizeof(char16_t);
    if (chars > kHandOverMaxChars) return std::nullopt;
    // The bytes come from another process and need not be aligned for char16_t.
    std::u16string text(chars, u'\0');
    std::memcpy(text.data(), data, bytes);
    if (text.back() == u'\0') text.pop_back();
    if (text.find(u'\0') != std::u16string::npos) return std::nullopt;
    return text;
}

HandOverAction ActionForHandOver(std::u16string_view commandLine, bool generatorOpen) {
    HandOverAction action;
    action.picture = InputPathFromCommandLine(CommandLineArguments(commandLine));
    if (!action.picture.empty())
        action.kind = generatorOpen ? HandOverAction::FillGenerator : HandOverAction::OpenGenerator;
    return action;
}

}  // namespace wf
