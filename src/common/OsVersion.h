#pragma once
// modIsWinNT2000: is this an NT-family Windows of version 5 (2000/XP) or later?
#include <cstdint>

namespace wf {

// What GetVersionExA reports; ok is false when the call did not return 1.
struct OsVersionRecord {
    bool ok = false;
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    uint32_t buildNumber = 0;
    uint32_t platformId = 0;
};

inline constexpr uint32_t kPlatformWin32Windows = 1;
inline constexpr uint32_t kPlatformWin32NT = 2;

// The decision alone; minor version, build and service pack play no part.
constexpr bool IsWinNT2000(const OsVersionRecord& v) {
    return v.ok && v.platformId == kPlatformWin32NT && v.majorVersion >= 5;
}

// Reads the running system's record (GetVersionExA); host builds report not ok.
OsVersionRecord QueryOsVersion();

// The answer for the running system.
inline bool IsWinNT2000() { return IsWinNT2000(QueryOsVersion()); }

}  // namespace wf
