#pragma once
// The network computer list's logic: the server types offered, and the list
// lines for one type.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/NetApi.h"

namespace wf {

struct ComputerType {
    std::u16string_view caption;
    uint32_t mask;
};

// The combo's rows in order; row 9 lists domains rather than computers.
inline constexpr std::array<ComputerType, 10> kComputerTypes{{
    {u"All servers", 0xFFFFFFFFu},
    {u"NT/2000 workstations or servers", 0x00001000u},
    {u"Windows 95 or later", 0x00400000u},
    {u"Servers running Windows for Workgroups", 0x00002000u},
    {u"Servers running Unix", 0x00000800u},
    {u"LAN Manager workstations", 0x00000001u},
    {u"LAN Manager servers", 0x00000002u},
    {u"NT/2000 servers not domain controller", 0x00008000u},
    {u"Servers maintained by the browser", 0x40000000u},
    {u"Primary Domain (ignore version info)", 0x80000000u},
}};

// Shown by the computer list and the user-information window on systems
// older than Windows 2000.
inline constexpr std::u16string_view kNtOnlyMessage =
    u"Sorry, this feature is only available to Windows NT / 2000 / XP users!";

// "DOS", "Windows", "Windows NT", "OSF", "VMS" for 300..700; otherwise empty.
std::u16string PlatformName(uint32_t platformId);

// A NUL-terminated UTF-16 string; a null pointer gives an empty one.
std::u16string StringFromWidePointer(const char16_t* p);

// name, tab, platform text, blank, major (low 4 bits only), ".", minor.
std::u16string ComputerLine(const ServerEntry& entry);

// The list lines for the servers of `typeMask`, in the platform's order;
// none when the platform reports any failure.
std::vector<std::u16string> ListComputersOfType(NetApi& net, uint32_t typeMask);

}  // namespace wf
