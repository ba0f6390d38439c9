#pragma once
// A name service in memory that counts start-ups and clean-ups, so tests can
// check that they nest and stay paired on every path.
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>

#include "platform/Sockets.h"

namespace wf::test {

struct FakeSockets : Sockets {
    int startupResult = 0, cleanupResult = 0;
    int open = 0, deepest = 0;  // libraries started and not cleaned up; the most at once
    std::map<std::string, uint32_t> addresses;  // dotted text -> address
    std::map<uint32_t, HostRecord> byAddress;
    std::map<std::string, HostRecord> byName;

    int Startup(uint16_t version) override {
        if (version != 0x0101) return 10092;  // WSAVERNOTSUPPORTED
        if (startupResult == 0) deepest = std::max(deepest, ++open);
        return startupResult;
    }
    int Cleanup() override { return --open, cleanupResult; }
    uint32_t InetAddr(std::string_view s) override { return Find(addresses, std::string(s)).value_or(kInaddrNone); }
    std::optional<HostRecord> HostByAddr(uint32_t a) override { return Find(byAddress, a); }
    std::optional<HostRecord> HostByName(std::string_view s) override { return Find(byName, std::string(s)); }

private:
    template <class M, class K>
    std::optional<typename M::mapped_type> Find(const M& m, const K& k) const {
        if (open <= 0) throw std::logic_error("sockets call without a start-up");  // as Winsock refuses it
        auto it = m.find(k);
        return it == m.end() ? std::nullopt : std::optional(it->second);
    }
};

}  // namespace wf::test
