#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {

std::optional<RegistryValue> Win32Registry::Read(uint32_t root, std::u16string_view key, std::u16string_view valueName) {
    const std::u16string k(key), v(valueName);
    HKEY opened = nullptr;
    // Read access only: a standard user may read these keys but not more.
    if (RegOpenKeyExW(reinterpret_cast<HKEY>(static_cast<uintptr_t>(root)), W(k), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey guard(opened);
    RegistryValue out;
    std::string buffer(1024, '\0');
    DWORD type = 0, size = 1024;
    if (RegQueryValueExW(opened, W(v), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    buffer.resize(size);
    out.type = type;
    out.bytes = std::move(buffer);
    return out;
}

}  // namespace wf::win
