#pragma once
// The Windows side of modMD5: aamd532.dll itself, and the file system as
// MD5File asks about it.
#include <cstdint>
#include <string>

#include "platform/win32/Handle.h"
#include "tools/text/modMD5.h"

namespace wf {

// Run-time error for a library that loads but lacks one of its functions.
inline constexpr int32_t kDllEntryNotFound = 453;

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

class Win32Md5Files final : public Md5Files {
public:
    bool IsFolder(std::u16string_view path) override;
    uint32_t TryOpen(std::u16string_view path) override;
    std::u16string ShortName(std::u16string_view path) override;
    CommandError Error(uint32_t code) override;
};

}  // namespace wf
