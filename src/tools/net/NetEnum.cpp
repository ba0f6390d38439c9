#include "tools/net/NetEnum.h"

#include "common/Text.h"

namespace wf {

std::u16string PlatformName(uint32_t platformId) {
    switch (platformId) {
    case 300: return u"DOS";
    case 400: return u"Windows";
    case 500: return u"Windows NT";
    case 600: return u"OSF";
    case 700: return u"VMS";
    default: return {};
    }
}

std::u16string StringFromWidePointer(const char16_t* p) { return p ? std::u16string(p) : std::u16string(); }

std::u16string ComputerLine(const ServerEntry& e) {
    // The browser keeps flags in the major version's high bits.
    return e.name + u"\t" + PlatformName(e.platformId) + u" " + ToU16(std::to_string(e.versionMajor & 15u)) + u"." +
           ToU16(std::to_string(e.versionMinor));
}

std::vector<std::u16string> ListComputersOfType(NetApi& net, uint32_t typeMask) {
    const ServerList list = net.ServerEnum(typeMask);
    std::vector<std::u16string> lines;
    if (list.status != 0) return lines;  // more data, no browser, access denied: nothing to show
    lines.reserve(list.entries.size());
    for (const ServerEntry& e : list.entries) lines.push_back(ComputerLine(e));
    return lines;
}

}  // namespace wf
