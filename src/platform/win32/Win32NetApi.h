#pragma once
#include <string>

#include "platform/NetApi.h"

namespace wf::win {

class Win32NetApi : public NetApi {
public:
    ServerList ServerEnum(uint32_t typeMask) override;
    UserInfoResult UserGetInfo10(const char16_t* server, const char16_t* user) override;
};

// The account running the program (GetUserNameW, 256 characters), cut at its
// first NUL; empty when the call fails.
std::u16string CurrentUserName();
// This computer's NetBIOS name; empty when the call fails.
std::u16string LocalComputerName();

}  // namespace wf::win
