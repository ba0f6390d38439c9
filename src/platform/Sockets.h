#pragma once
// The Windows Sockets 1.1 calls the look-ups make: start-up and clean-up,
// dotted-address parsing and the two blocking name-service queries.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wf {

inline constexpr uint32_t kInaddrNone = 0xFFFFFFFFu;

// What a host record holds that the look-ups read: the official name as the
// resolver gave it (ANSI bytes) and the address list's entries, each as its
// raw bytes in network order.
struct HostRecord {
    std::string name;
    std::vector<std::string> addresses;
};

class Sockets {
public:
    virtual ~Sockets() = default;
    // WSAStartup's and WSACleanup's results: 0 is success.
    virtual int Startup(uint16_t version) = 0;
    virtual int Cleanup() = 0;
    // inet_addr: the address in network byte order, or kInaddrNone.
    virtual uint32_t InetAddr(std::string_view ansi) = 0;
    // gethostbyaddr for an IPv4 address (AF_INET, 4 bytes); nothing when no record.
    virtual std::optional<HostRecord> HostByAddr(uint32_t address) = 0;
    // gethostbyname; nothing when no record.
    virtual std::optional<HostRecord> HostByName(std::string_view ansi) = 0;
};

}  // namespace wf
