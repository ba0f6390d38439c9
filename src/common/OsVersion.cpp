#include "common/OsVersion.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace wf {

OsVersionRecord QueryOsVersion() {
    OsVersionRecord r;
#ifdef _WIN32
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
    static_assert(sizeof(OSVERSIONINFOA) == 148);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    r.ok = GetVersionExA(&info) == 1;
#pragma GCC diagnostic pop
    r.majorVersion = info.dwMajorVersion;
    r.minorVersion = info.dwMinorVersion;
    r.buildNumber = info.dwBuildNumber;
    r.platformId = info.dwPlatformId;
#endif
    return r;
}

}  // namespace wf
