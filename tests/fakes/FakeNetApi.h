#pragma once
// Network management in memory: one server list and a table of accounts;
// and mailslots that keep what they were given and answer as told.
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Mailslots.h"
#include "platform/NetApi.h"

namespace wf::test {

struct FakeNetApi : NetApi {
    ServerList servers;
    std::map<std::pair<std::u16string, std::u16string>, UserInfo10> users;  // (server, user)
    std::vector<uint32_t> masks;                                          // each enumeration's type mask
    std::vector<std::pair<std::u16string, std::u16string>> asked;         // each user look-up

    ServerList ServerEnum(uint32_t typeMask) override { return masks.push_back(typeMask), servers; }
    UserInfoResult UserGetInfo10(const char16_t* server, const char16_t* user) override {
        auto it = users.find(asked.emplace_back(server, user));
        return it == users.end() ? UserInfoResult{2221, {}} : UserInfoResult{0, it->second};  // 2221: no such user
    }
};

struct FakeMailslots : Mailslots {
    MailslotWrite answer{true, true, UINT64_MAX};              // at most this many bytes written
    std::vector<std::pair<std::u16string, std::string>> sent;  // path, bytes
    MailslotWrite Write(std::u16string_view path, std::string_view bytes) override {
        sent.emplace_back(path, bytes);
        return {answer.opened, answer.written, std::min<uint64_t>(answer.bytesWritten, bytes.size())};
    }
};

}  // namespace wf::test
