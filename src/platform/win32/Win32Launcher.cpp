#include "platform/win32/Win32Launcher.h"

#include <windows.h>

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/Win32Errors.h"

namespace wf::win {

void Win32Launcher::Start(std::u16string_view commandLine, int windowStyle) {
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::u16string line(commandLine);
    if (line.find_first_not_of(u" \t") == std::u16string::npos) throw MakeError(err::InvalidCall);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi))
    {
        // A missing folder on the way is still "File not found" to the user.
        const DWORD code = GetLastError();
        throw ErrorFromWin32(code == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : code);
    }
    const ProcessInfo started(pi);  // started and forgotten: the program is not watched
}

}  // namespace wf::win
