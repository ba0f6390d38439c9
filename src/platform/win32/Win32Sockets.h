#pragma once
#include "platform/Sockets.h"

namespace wf::win {

// Windows Sockets through ws2_32, which serves the 1.1 calls as well.
class Win32Sockets : public Sockets {
public:
    int Startup(uint16_t version) override;
    int Cleanup() override;
    uint32_t InetAddr(std::string_view ansi) override;
    std::optional<HostRecord> HostByAddr(uint32_t address) override;
    std::optional<HostRecord> HostByName(std::string_view ansi) override;
};

}  // namespace wf::win
