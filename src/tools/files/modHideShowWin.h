#pragma once
// modHideShowWin: hiding and showing one window by its handle.
#include "platform/WindowList.h"

namespace wf {

inline void HideWin(WindowList& windows, WindowHandle h) { windows.Show(h, showcmd::Hide); }
inline void ShowWin(WindowList& windows, WindowHandle h) { windows.Show(h, showcmd::ShowNormal); }

}  // namespace wf
