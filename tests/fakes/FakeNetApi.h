#pragma once
// Network management in memory: one server list and a table of accounts.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/NetApi.h"

namespace wf::test {

class FakeNetApi : public NetApi {
public:
    ServerList servers;
    std::map<std::pair<std::u16string, std::u16string>, UserInfo10> users;  // (server, user)
    std::vector<uint32_t> masks;                                          // each enumeration's type mask
    std::vector<std::pair<std::u16string, std::u16string>> asked;         // each user look-up

    ServerList ServerEnum(uint32_t typeMask) override {
        masks.push_back(typeMask);
        return servers;
    }
    UserInfoResult UserGetInfo10(const char16_t* server, const char16_t* user) override {
        asked.emplace_back(server, user);
        auto it = users.find(asked.back());
        if (it == users.end()) return {2221, {}};  // NERR_UserNotFound
        return {0, it->second};
    }
};

}  // namespace wf::test
