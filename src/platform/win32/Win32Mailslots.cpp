#include "platform/win32/Win32Mailslots.h"

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {

MailslotWrite Win32Mailslots::Write(std::u16string_view path, std::string_view bytes) {
    const std::u16string p(path);
    // A mailslot client opens the slot for writing only and lets the server
    // keep reading; it must exist already.
    UniqueFile slot(CreateFileW(W(p), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!slot) return {};
    MailslotWrite r;
    r.opened = true;
    if (bytes.size() > MAXDWORD) return r;  // more than one write can carry
    DWORD written = 0;
    r.written = WriteFile(slot.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
    r.bytesWritten = written;
    return r;
}

}  // namespace wf::win
