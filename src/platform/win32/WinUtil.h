#pragma once
// Small Win32 helpers every window uses.
#include <windows.h>

#include <string>

namespace wf::win {

// The program's own path, and the folder that holds it.
std::u16string ExePath();
std::u16string ProgramFolder();

// A window's or control's whole text.
std::u16string WindowText(HWND h);

// The wait pointer for the life of the object; the window takes no input then.
class BusyCursor {
public:
    BusyCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { SetCursor(previous_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace wf::win
