// Times one MDFile call of aamd532.dll on a file, as the program makes it.
//   md5_bench FILE [DLL]
// Prints the digest, the seconds the call took and the process's peak
// working set, so run.sh can set them against md5sum.
#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "aamd532/aamd532.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: md5_bench FILE [DLL]\n");
        return 2;
    }
    const char* dll = argc > 2 ? argv[2] : "aamd532.dll";
    HMODULE lib = LoadLibraryA(dll);
    if (!lib) {
        std::fprintf(stderr, "md5_bench: cannot load %s (error %lu)\n", dll, GetLastError());
        return 1;
    }
    auto mdFile = reinterpret_cast<MDFileProc>(reinterpret_cast<void*>(GetProcAddress(lib, "MDFile")));
    if (!mdFile) {
        std::fprintf(stderr, "md5_bench: %s has no MDFile\n", dll);
        return 1;
    }
    char digest[33];
    std::memset(digest, ' ', 32);
    digest[32] = '\0';

    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    const LONG rc = mdFile(argv[1], digest);
    QueryPerformanceCounter(&t1);
    if (rc != 0) {
        std::fprintf(stderr, "md5_bench: MDFile failed with error %ld\n", rc);
        return 1;
    }
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    std::printf("digest %s\nseconds %.6f\npeak_kib %llu\n", digest,
                static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart),
                static_cast<unsigned long long>(pmc.PeakWorkingSetSize / 1024));
    return 0;
}
