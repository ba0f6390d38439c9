#include "platform/win32/Win32NetApi.h"

#include <windows.h>
#include <lm.h>

#include "platform/win32/Handle.h"
#include "tools/net/NetEnum.h"
#include "tools/net/UserInfo.h"
#include "platform/win32/WideText.h"

namespace wf::win {
namespace {

void NetApiBufferFreeFn(void* p) { ::NetApiBufferFree(p); }
// The buffer the call allocated, freed however the call went.
using NetBuffer = Unique<void*, NetApiBufferFreeFn>;

std::u16string Str(const wchar_t* p) { return StringFromWidePointer(reinterpret_cast<const char16_t*>(p)); }

}  // namespace

ServerList Win32NetApi::ServerEnum(uint32_t typeMask) {
    LPBYTE raw = nullptr;
    DWORD read = 0, total = 0, resume = 0;
    ServerList list;
    list.status = NetServerEnum(nullptr, 101, &raw, MAX_PREFERRED_LENGTH, &read, &total, typeMask, nullptr, &resume);
    const NetBuffer buffer(raw);
    if (list.status != NERR_Success || !raw) return list;
    // Read through the platform's own record type: its size differs between
    // the 32-bit and 64-bit builds.
    const auto* records = reinterpret_cast<const SERVER_INFO_101*>(raw);
    list.entries.reserve(read);
    for (DWORD i = 0; i < read; ++i) {
        const SERVER_INFO_101& r = records[i];
        list.entries.push_back({r.sv101_platform_id, Str(r.sv101_name), r.sv101_version_major, r.sv101_version_minor});
    }
    return list;
}

UserInfoResult Win32NetApi::UserGetInfo10(const char16_t* server, const char16_t* user) {
    LPBYTE raw = nullptr;
    UserInfoResult r;
    r.status = NetUserGetInfo(reinterpret_cast<LPCWSTR>(server), reinterpret_cast<LPCWSTR>(user), 10, &raw);
    const NetBuffer buffer(raw);
    if (r.status != NERR_Success) return r;
    if (!raw) {
        r.status = ERROR_INVALID_DATA;  // success without a record is no answer
        return r;
    }
    const auto& info = *reinterpret_cast<const USER_INFO_10*>(raw);
    r.info = {Str(info.usri10_name), Str(info.usri10_comment), Str(info.usri10_usr_comment), Str(info.usri10_full_name)};
    return r;
}

std::u16string CurrentUserName() {
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!GetUserNameW(name, &size)) return {};
    return TrimAtNul(std::u16string_view(reinterpret_cast<const char16_t*>(name), 256));
}

std::u16string LocalComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size)) return {};
    return U(name);
}

}  // namespace wf::win
