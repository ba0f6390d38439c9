#pragma once
// Writing one datagram to a mailslot, opened for writing only.
#include <cstdint>
#include <string_view>

namespace wf {

struct MailslotWrite {
    bool opened = false;   // the mailslot could be opened
    bool written = false;  // the write reported success
    uint64_t bytesWritten = 0;
};

class Mailslots {
public:
    virtual ~Mailslots() = default;
    // Opens `path` (an existing mailslot, shared for reading), writes all of
    // `bytes` in one write and closes it again.
    virtual MailslotWrite Write(std::u16string_view path, std::string_view bytes) = 0;
};

}  // namespace wf
