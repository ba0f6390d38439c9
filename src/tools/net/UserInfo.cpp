#include "tools/net/UserInfo.h"

namespace wf {
namespace {

// The call reads up to the first NUL: a buffer always ends in one.
std::u16string Terminated(std::u16string_view s) {
    std::u16string b(s);
    if (b.empty() || b.back() != u'\0') b.push_back(u'\0');
    return b;
}

}  // namespace

std::u16string TrimAtNul(std::u16string_view s) { return std::u16string(s.substr(0, s.find(u'\0'))); }

std::u16string UserNameBuffer(std::u16string_view user) { return std::u16string(user) + u'\0'; }

std::u16string ServerNameBuffer(std::u16string_view server) {
    const bool hasPrefix = server.find(u"\\\\") != std::u16string_view::npos;
    return (hasPrefix ? u"" : u"\\\\") + std::u16string(server) + u'\0';
}

UserInfoRecord FetchUserInfo(NetApi& net, std::u16string_view server, std::u16string_view user) {
    const std::u16string s = Terminated(server), u = Terminated(user);
    const UserInfoResult r = net.UserGetInfo10(s.c_str(), u.c_str());
    if (r.status != 0) return {};
    return UserInfoRecord{r.info.name, r.info.fullName, r.info.comment, r.info.usrComment};
}

}  // namespace wf
