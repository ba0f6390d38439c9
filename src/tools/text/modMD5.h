#pragma once
// modMD5: MD5 digests of texts and files, computed by aamd532.dll. The rules
// here are plain C++; the library and the file system come in through the two
// interfaces below (Win32Md5.h holds the real ones).
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Errors.h"

namespace wf {

// The two calls of the MD5 library, as the program makes them. Both throw
// CommandError 48 when the library cannot be loaded and 453 when it lacks a
// function; otherwise they return what the library returned.
class Md5Library {
public:
    virtual ~Md5Library() = default;
    // `digest` points at 32 characters followed by a NUL.
    virtual int32_t MDFile(const char* path, char* digest) = 0;
    virtual int32_t MDStringFix(const char* text, int32_t length, char* digest) = 0;
};

// What MD5File asks of the file system before the library reads a file.
class Md5Files {
public:
    virtual ~Md5Files() = default;
    virtual bool IsFolder(std::u16string_view path) = 0;
    // 0 when the file opens for reading now, else the system's error code.
    virtual uint32_t TryOpen(std::u16string_view path) = 0;
    // The 8.3 alias of the path; empty when it has none.
    virtual std::u16string ShortName(std::u16string_view path) = 0;
    // The run-time error for a system error code, in the system's own words.
    virtual CommandError Error(uint32_t code) = 0;
};

// The digest of the text's ANSI bytes: the library's 32 characters as it left
// them (a character it did not write stays a space).
std::u16string MD5String(Md5Library& library, std::u16string_view text);

// The digest of the file's contents. A file that cannot be read throws a
// CommandError whose description says why; what the library wrote is then
// never returned, so nothing that looks like a digest stands for a failure.
std::u16string MD5File(Md5Library& library, Md5Files& files, std::u16string_view path);

// True for exactly 32 hexadecimal digits.
bool IsDigest(std::u16string_view text);

}  // namespace wf
