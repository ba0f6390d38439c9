#pragma once
// The network-management calls of the computer list and the user-information
// window. Records come back as plain values; the platform's buffers are freed
// inside the call, whatever its status.
#include <cstdint>
#include <string>
#include <vector>

namespace wf {

// The fields of one level-101 server record that the list reads.
struct ServerEntry {
    uint32_t platformId = 0;
    std::u16string name;
    uint32_t versionMajor = 0;
    uint32_t versionMinor = 0;
};

struct ServerList {
    uint32_t status = 0;  // 0 is success
    std::vector<ServerEntry> entries;
};

// A level-10 user record's four strings, in the record's own order.
struct UserInfo10 {
    std::u16string name, comment, usrComment, fullName;
};

struct UserInfoResult {
    uint32_t status = 0;  // 0 is success
    UserInfo10 info;
};

class NetApi {
public:
    virtual ~NetApi() = default;
    // NetServerEnum at level 101 on this computer, in the primary domain,
    // for the servers of `typeMask`.
    virtual ServerList ServerEnum(uint32_t typeMask) = 0;
    // NetUserGetInfo at level 10; both names are NUL-terminated UTF-16.
    virtual UserInfoResult UserGetInfo10(const char16_t* server, const char16_t* user) = 0;
};

}  // namespace wf
