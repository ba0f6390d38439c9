#pragma once
#include <string_view>

#include "platform/Prompts.h"

namespace wf {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's contents with the text; false when it could
    // not (another program holds the clipboard), the contents unchanged.
    virtual bool SetText(std::u16string_view text) = 0;
};

inline constexpr std::u16string_view kClipboardBusyText =
    u"The text was not copied: another program is using the clipboard. Please try again.";

// A copy button's work: copy, or tell the user the copy did not happen.
inline void CopyText(Clipboard& clipboard, Prompts& prompts, std::u16string_view text) {
    if (!clipboard.SetText(text)) prompts.MsgBox(kClipboardBusyText, u"", mb::OkOnly + mb::Exclamation);
}

}  // namespace wf
