#include <winsock2.h>

#include "platform/win32/Win32Sockets.h"

#include <string>

namespace wf::win {
namespace {

// The record as this build lays it out (its pointers are 8 bytes on x64);
// the returned memory belongs to the thread's sockets library, so it is
// copied at once.
HostRecord Copy(const hostent& h) {
    HostRecord r;
    if (h.h_name) r.name = h.h_name;
    const size_t length = h.h_length > 0 ? static_cast<size_t>(h.h_length) : 0;
    for (char** a = h.h_addr_list; a && *a; ++a) r.addresses.emplace_back(*a, length);
    return r;
}

// No DNS name is longer than 255 bytes: a longer text is no host, and is not
// handed to the resolver at all.
constexpr size_t kMaxHostName = 255;

}  // namespace

int Win32Sockets::Startup(uint16_t version) {
    WSADATA data{};
    return WSAStartup(version, &data);
}

int Win32Sockets::Cleanup() { return WSACleanup(); }

uint32_t Win32Sockets::InetAddr(std::string_view ansi) {
    const std::string s(ansi);
    return inet_addr(s.c_str());
}

std::optional<HostRecord> Win32Sockets::HostByAddr(uint32_t address) {
    const hostent* h = gethostbyaddr(reinterpret_cast<const char*>(&address), 4, AF_INET);
    if (!h) return std::nullopt;
    return Copy(*h);
}

std::optional<HostRecord> Win32Sockets::HostByName(std::string_view ansi) {
    const std::string s(ansi);  // ends in its NUL, as the call reads it
    if (std::char_traits<char>::length(s.c_str()) > kMaxHostName) return std::nullopt;
    const hostent* h = gethostbyname(s.c_str());
    if (!h) return std::nullopt;
    return Copy(*h);
}

}  // namespace wf::win
