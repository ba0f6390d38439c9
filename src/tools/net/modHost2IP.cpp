#include "tools/net/modHost2IP.h"

#include "common/Text.h"

namespace wf {

std::u16string GetIPFromHostName(Sockets& sockets, std::u16string_view host) {
    const auto record = sockets.HostByName(ToAnsi(host));
    // A record without an address (or with a shorter one than IPv4's) has no
    // first address to show, so it reads like a name that does not resolve.
    if (!record || record->addresses.empty() || record->addresses.front().size() < 4) return {};
    return DottedIPFromBytes(std::string_view(record->addresses.front()).substr(0, 4));
}

std::u16string DottedIPFromBytes(std::string_view bytes) {
    std::string dotted;
    for (size_t i = 0; i < 4 && i < bytes.size(); ++i) {
        if (i) dotted += '.';
        dotted += std::to_string(static_cast<unsigned char>(bytes[i]));
    }
    return ToU16(dotted);
}

}  // namespace wf
