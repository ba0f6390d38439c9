#pragma once
// The two calls of aamd532.dll. Programs load the library by name at run time
// and look these up with GetProcAddress; the types below are for that.
// Both return 0 on success, else a Win32 error code, and leave the digest
// buffer untouched on failure. The buffer receives exactly 32 characters.
#include <windows.h>

extern "C" {
typedef LONG(__stdcall* MDFileProc)(const char* path, char* digest);
typedef LONG(__stdcall* MDStringFixProc)(const char* text, LONG length, char* digest);

#ifdef AAMD532_BUILD
__declspec(dllexport) LONG __stdcall MDFile(const char* path, char* digest);
__declspec(dllexport) LONG __stdcall MDStringFix(const char* text, LONG length, char* digest);
#endif
}
