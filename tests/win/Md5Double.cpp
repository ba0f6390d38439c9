// Stand-ins for aamd532.dll that the MD5 tests load from folders of their own.
//   WF_MD5_HALF: writes only the first 16 digits of the right digest of
//     "test", whatever it is given, and nothing at all for a file, while
//     claiming success: a library that answers wrongly.
//   without it: has MDStringFix but lacks MDFile.
#include <windows.h>

#include <cstring>

extern "C" {

__declspec(dllexport) LONG __stdcall MDStringFix(const char*, LONG, char* digest) {
    std::memcpy(digest, "098f6bcd4621d373", 16);
    return 0;
}

#ifdef WF_MD5_HALF
__declspec(dllexport) LONG __stdcall MDFile(const char*, char*) { return 0; }
#endif
}
