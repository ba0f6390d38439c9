#pragma once
// The keystroke sender apart from its window: which window a title names,
// the Send command's rounds and the count box that always holds a number.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Keyboard.h"
#include "platform/Prompts.h"

namespace wf {

inline constexpr std::u16string_view kSendKeysCommand = u"SendKeys";

// The window to activate among top-level window titles: one whose title
// equals `title`, else one whose title begins with it. Case counts only to
// break ties: an exact match beats one that differs in case. The first of
// equally good titles wins; an empty title names no window.
std::optional<size_t> ChooseWindowByTitle(const std::vector<std::u16string>& titles, std::u16string_view title);

// cmdSend_Click: activate `progName`, read the count leniently, then send the
// text `readText` gives (read afresh each round) while the round number is
// at most the count. Every failing step goes to the "SendKeys" report.
void SendKeysCommand(Prompts& prompts, Keyboard& keyboard, std::u16string_view progName,
                     std::u16string_view howMany, const std::function<std::u16string()>& readText);

// A number as the classic string conversion writes it: up to 15 significant
// digits, an exponent ("1E+15", "1E-05") outside 1E-04 to 1E+14.
std::u16string NumberText(double value);

struct CountBoxEdit {
    std::u16string text;
    size_t caret;
};
// txtHowMany_Change: the box's text becomes its leading number, the caret
// stays where it was (clamped to the end), and after a 0 it sits behind it.
// A text too large to read stays as it is.
CountBoxEdit NormaliseCount(std::u16string_view text, size_t caret);

}  // namespace wf
