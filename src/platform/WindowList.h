#pragma once
// The desktop's top-level windows, walked in Z-order, and showing or hiding
// one of them.
#include <cstdint>
#include <string>

namespace wf {

// A window handle; pointer-sized, so a 64-bit handle survives.
using WindowHandle = uintptr_t;

namespace gw {
inline constexpr int Next = 2, Child = 5;
}
namespace showcmd {
inline constexpr int Hide = 0, ShowNormal = 1;
}

class WindowList {
public:
    virtual ~WindowList() = default;
    virtual WindowHandle Desktop() = 0;
    // GetWindow: gw::Child of the desktop is the first top-level window,
    // gw::Next the one after; 0 after the last.
    virtual WindowHandle Related(WindowHandle h, int command) = 0;
    virtual bool Visible(WindowHandle h) = 0;
    virtual int TitleLength(WindowHandle h) = 0;
    // At most `length` characters of the title.
    virtual std::u16string Title(WindowHandle h, int length) = 0;
    // The result is not looked at: a window gone meanwhile is no error.
    virtual void Show(WindowHandle h, int command) = 0;
};

}  // namespace wf
