#pragma once
#include <windows.h>

#include "common/Errors.h"

namespace wf::win {

// Translates a Win32 error code into the program's run-time error.
CommandError ErrorFromWin32(DWORD code);

}  // namespace wf::win
