#include "platform/win32/Win32EventPump.h"

namespace wf::win {

void Win32EventPump::DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop, which owns the shutdown.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        forms_.Dispatch(msg);
    }
}

}  // namespace wf::win
