#pragma once
// The user-information window's logic: the look-up's arguments and the
// record it shows.
#include <string>
#include <string_view>

#include "platform/NetApi.h"

namespace wf {

// In display order, all empty when the look-up fails.
struct UserInfoRecord {
    std::u16string Name, FullName, Comment, UserComment;
    bool operator==(const UserInfoRecord&) const = default;
};

// The part of `s` before its first NUL, or all of it.
std::u16string TrimAtNul(std::u16string_view s);

// The user name as the call takes it: the text and one NUL.
std::u16string UserNameBuffer(std::u16string_view user);
// The server name as the call takes it: two backslashes in front unless the
// text holds two in a row anywhere already, then one NUL.
std::u16string ServerNameBuffer(std::u16string_view server);

// NetUserGetInfo at level 10 with the two NUL-terminated buffers.
UserInfoRecord FetchUserInfo(NetApi& net, std::u16string_view server, std::u16string_view user);

}  // namespace wf
