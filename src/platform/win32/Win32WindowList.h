#pragma once
#include "platform/WindowList.h"

namespace wf::win {

class Win32WindowList : public WindowList {
public:
    WindowHandle Desktop() override;
    WindowHandle Related(WindowHandle h, int command) override;
    bool Visible(WindowHandle h) override;
    int TitleLength(WindowHandle h) override;
    std::u16string Title(WindowHandle h, int length) override;
    void Show(WindowHandle h, int command) override;
};

}  // namespace wf::win
