#pragma once
#include <windows.h>

#include "common/Errors.h"

namespace wf::win {

// The system's own words for a Win32 error code, without the trailing line end.
std::u16string SystemMessage(DWORD code);

// Translates a Win32 error code into the program's run-time error. A code
// with no run-time counterpart keeps its identity: HRESULT_FROM_WIN32(code)
// as the number (negative, so it never collides with a run-time number) and
// the system's text as the description.
CommandError ErrorFromWin32(DWORD code);

}  // namespace wf::win
