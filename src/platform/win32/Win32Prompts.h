#pragma once
#include <windows.h>

#include "platform/Prompts.h"

namespace wf::win {

// Message boxes and the input box: owned by no window, and modal to every
// window of the program's thread.
class Win32Prompts : public Prompts {
public:
    int MsgBox(std::u16string_view text, std::u16string_view title, int style) override;
    std::u16string InputBox(std::u16string_view prompt, std::u16string_view title,
                            std::u16string_view defaultText) override;
};

}  // namespace wf::win
