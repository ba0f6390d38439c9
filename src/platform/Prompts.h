#pragma once
// Modal prompts. Every message box and input box of the program goes through
// this, so tests can answer them without a person at the screen.
#include <string>
#include <string_view>

namespace wf {

// Style values are the sum of an icon and a button set.
namespace mb {
inline constexpr int OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNo = 4;
inline constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
}  // namespace mb

// Answers as message boxes give them.
namespace answer {
inline constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}  // namespace answer

class Prompts {
public:
    virtual ~Prompts() = default;
    // An empty title shows the application title.
    virtual int MsgBox(std::u16string_view text, std::u16string_view title, int style) = 0;
    // Cancel gives an empty text.
    virtual std::u16string InputBox(std::u16string_view prompt, std::u16string_view title,
                                    std::u16string_view defaultText) = 0;
};

}  // namespace wf
