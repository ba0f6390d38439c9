#pragma once
// A second start of the program hands its command line to the copy that
// already runs in the session and ends. These are the rules of that hand-over
// that need no window: the names both copies agree on, reading the message
// the running copy receives, and what it does with it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wf {

// The mutex that marks a running copy; "Local\" keeps it to the user's own
// session, so another user's copy on the same machine is not found.
inline constexpr std::u16string_view kRunningMutexName = u"Local\\Pellmoor.Wrenfold.Running";
// The registered message the running copy's main window answers with
// kHandOverAnswer: it tells that window apart from any other program's.
inline constexpr std::u16string_view kHandOverQueryName = u"Pellmoor.Wrenfold.HandOverQuery";
inline constexpr intptr_t kHandOverAnswer = 0x57464C44;  // "WFLD"
// The tag (COPYDATASTRUCT::dwData) of a handed-over command line, sent as
// UTF-16 with or without its terminating NUL.
inline constexpr uintptr_t kHandOverTag = 0x57464331;  // "WFC1"
// Longer than any command line Windows accepts (32 767 characters).
inline constexpr size_t kHandOverMaxChars = 32768;

// The command line in a received payload; nothing for another tag, no data,
// an odd byte count, an over-long text or a NUL inside the text.
std::optional<std::u16string> HandedOverCommandLine(uintptr_t tag, const void* data, size_t bytes);

// What the running copy does with a handed-over command line.
struct HandOverAction {
    enum Kind { Nothing, OpenGenerator, FillGenerator } kind = Nothing;
    std::u16string picture;  // the input path, for the two generator kinds
};

// The rule the generator applies at start-up: a command line that names a
// picture opens the generator with it (or puts it in the open generator's
// input box); anything else does nothing visible.
HandOverAction ActionForHandOver(std::u16string_view commandLine, bool generatorOpen);

}  // namespace wf
