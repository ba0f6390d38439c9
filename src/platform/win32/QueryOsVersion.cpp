#include <windows.h>

#include "common/OsVersion.h"

namespace wf {

OsVersionRecord QueryOsVersion() {
    OsVersionRecord r;
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    static_assert(sizeof(OSVERSIONINFOA) == 148);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    r.ok = GetVersionExA(&info) == 1;
#pragma GCC diagnostic pop
    r.majorVersion = info.dwMajorVersion;
    r.minorVersion = info.dwMinorVersion;
    r.buildNumber = info.dwBuildNumber;
    r.platformId = info.dwPlatformId;
    return r;
}

}  // namespace wf
