#pragma once
// One move-only owner for every kind of OS handle.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

namespace wf::win {

template <class H, auto Close, intptr_t InvalidValue = 0>
class Unique {
    static H Invalid() { return reinterpret_cast<H>(InvalidValue); }

public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, Invalid())) {}
    Unique& operator=(Unique&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Invalid()));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Invalid(); }
    H release() { return std::exchange(h_, Invalid()); }
    void reset(H h = Invalid()) {
        if (h_ != Invalid()) Close(h_);
        h_ = h;
    }

private:
    H h_ = Invalid();
};

inline void CloseHandleFn(HANDLE h) { ::CloseHandle(h); }
inline void FreeLibraryFn(HMODULE h) { ::FreeLibrary(h); }
inline void DestroyMenuFn(HMENU h) { ::DestroyMenu(h); }
inline void RegCloseKeyFn(HKEY h) { ::RegCloseKey(h); }
inline void DeleteObjectFn(HGDIOBJ h) { ::DeleteObject(h); }

using UniqueHandle = Unique<HANDLE, CloseHandleFn>;
using UniqueFile = Unique<HANDLE, CloseHandleFn, -1>;
using UniqueLibrary = Unique<HMODULE, FreeLibraryFn>;
using UniqueMenu = Unique<HMENU, DestroyMenuFn>;
using UniqueKey = Unique<HKEY, RegCloseKeyFn>;
using UniqueGdi = Unique<HGDIOBJ, DeleteObjectFn>;

// Win32 and our UTF-16 strings share their code units.
inline const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline std::u16string U(const wchar_t* s) { return s ? std::u16string(reinterpret_cast<const char16_t*>(s)) : std::u16string(); }

}  // namespace wf::win
