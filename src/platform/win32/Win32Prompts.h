#pragma once
#include <windows.h>

#include "platform/Prompts.h"

namespace wf::win {

// Message boxes and the input box, owned by no window (or by `owner`).
class Win32Prompts : public Prompts {
public:
    explicit Win32Prompts(HWND owner = nullptr) : owner_(owner) {}
    int MsgBox(std::u16string_view text, std::u16string_view title, int style) override;
    std::u16string InputBox(std::u16string_view prompt, std::u16string_view title,
                            std::u16string_view defaultText) override;

private:
    HWND owner_;
};

}  // namespace wf::win
