#pragma once
// A name service in memory that counts start-ups and clean-ups, so tests can
// check that they stay paired on every path.
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Sockets.h"

namespace wf::test {

class FakeSockets : public Sockets {
public:
    int startupResult = 0, cleanupResult = 0;
    int startups = 0, cleanups = 0;  // calls that succeeded
    int open = 0, deepest = 0;       // nesting of started libraries
    std::map<std::string, uint32_t> addresses;     // dotted text -> address
    std::map<uint32_t, HostRecord> byAddress;
    std::map<std::string, HostRecord> byName;
    std::vector<std::string> queried;              // names and addresses asked for, in turn

    int Startup(uint16_t version) override {
        if (version != 0x0101) return 10092;  // WSAVERNOTSUPPORTED
        if (startupResult == 0) {
            ++startups;
            deepest = std::max(deepest, ++open);
        }
        return startupResult;
    }
    int Cleanup() override {
        ++cleanups;
        --open;
        return cleanupResult;
    }
    uint32_t InetAddr(std::string_view ansi) override {
        Require();
        auto it = addresses.find(std::string(ansi));
        return it == addresses.end() ? kInaddrNone : it->second;
    }
    std::optional<HostRecord> HostByAddr(uint32_t address) override {
        Require();
        queried.push_back(std::to_string(address));
        auto it = byAddress.find(address);
        return it == byAddress.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<HostRecord> HostByName(std::string_view ansi) override {
        Require();
        queried.emplace_back(ansi);
        auto it = byName.find(std::string(ansi));
        return it == byName.end() ? std::nullopt : std::optional(it->second);
    }

private:
    // Winsock refuses every call before a start-up.
    void Require() const {
        if (open <= 0) throw std::logic_error("sockets call without a start-up");
    }
};

}  // namespace wf::test
