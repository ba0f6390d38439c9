#pragma once
#include <windows.h>

#include "platform/RichLog.h"

namespace wf::win {

// A RichEdit control as the log. The control keeps a line break as one
// character, and so do the positions here.
class Win32RichLog : public RichLog {
public:
    void Attach(HWND edit) { edit_ = edit; }
    size_t TextLength() override;
    void Select(size_t start, size_t length) override;
    void ReplaceSelection(std::u16string_view text) override;
    void ColourSelection(Colour colour) override;
    void SetText(std::u16string_view text) override;

private:
    HWND edit_ = nullptr;
};

}  // namespace wf::win
