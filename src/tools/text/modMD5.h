#pragma once
// modMD5: MD5 digests of texts and files, computed by aamd532.dll.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win32/Handle.h"

namespace wf {

// Run-time error for a library that loads but lacks one of its functions.
inline constexpr int32_t kDllEntryNotFound = 453;

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

// aamd532.dll, loaded by name from `folder` on the first call and kept loaded
// for this object's life. An empty folder means the program's own folder:
// never the current directory, where anybody could have put a DLL of that name.
class Aamd532Library final : public Md5Library {
public:
    explicit Aamd532Library(std::u16string folder = {});
    int32_t MDFile(const char* path, char* digest) override;
    int32_t MDStringFix(const char* text, int32_t length, char* digest) override;
    bool Loaded() const { return static_cast<bool>(module_); }

private:
    void Load();

    std::u16string folder_;
    win::UniqueLibrary module_;
    void* mdFile_ = nullptr;
    void* mdStringFix_ = nullptr;
};

// The digest of the text's ANSI bytes: the library's 32 characters as it left
// them (a character it did not write stays a space).
std::u16string MD5String(Md5Library& library, std::u16string_view text);

// The digest of the file's contents. A file that cannot be read throws a
// CommandError whose description says why; what the library wrote is then
// never returned, so nothing that looks like a digest stands for a failure.
std::u16string MD5File(Md5Library& library, std::u16string_view path);

// True for exactly 32 hexadecimal digits.
bool IsDigest(std::u16string_view text);

}  // namespace wf
