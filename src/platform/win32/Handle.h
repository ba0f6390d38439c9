#pragma once
// One move-only owner for every kind of OS handle.
#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <utility>

namespace wf::win {

template <class H, auto Close, intptr_t InvalidValue = 0>
class Unique {
    static H Invalid() {
        if constexpr (std::is_pointer_v<H>) return reinterpret_cast<H>(InvalidValue);
        else return static_cast<H>(InvalidValue);  // sockets are numbers
    }

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
inline void DeleteDCFn(HDC h) { ::DeleteDC(h); }
inline void DestroyWindowFn(HWND h) { ::DestroyWindow(h); }
inline void FindCloseFn(HANDLE h) { ::FindClose(h); }
inline void GlobalFreeFn(HGLOBAL h) { ::GlobalFree(h); }

using UniqueHandle = Unique<HANDLE, CloseHandleFn>;
using UniqueFile = Unique<HANDLE, CloseHandleFn, -1>;
using UniqueLibrary = Unique<HMODULE, FreeLibraryFn>;
using UniqueMenu = Unique<HMENU, DestroyMenuFn>;
using UniqueKey = Unique<HKEY, RegCloseKeyFn>;
using UniqueGdi = Unique<HGDIOBJ, DeleteObjectFn>;
using UniqueDC = Unique<HDC, DeleteDCFn>;  // from CreateCompatibleDC
using UniqueWindow = Unique<HWND, DestroyWindowFn>;
using UniqueFind = Unique<HANDLE, FindCloseFn, -1>;  // from FindFirstFile
using UniqueGlobal = Unique<HGLOBAL, GlobalFreeFn>;

// Runs a callable when the scope ends, however it ends.
template <class F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};

// A window's DC from GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
    ~WindowDC() {
        if (dc_) ::ReleaseDC(wnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND wnd_;
    HDC dc_;
};

// An object selected into a DC for the life of this owner; the DC's previous
// object goes back in when it ends.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), previous_(::SelectObject(dc, obj)) {}
    ~Selected() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The two handles CreateProcess gives back.
struct ProcessInfo {
    UniqueHandle process, thread;
    DWORD processId = 0;
    explicit ProcessInfo(const PROCESS_INFORMATION& pi = {})
        : process(pi.hProcess), thread(pi.hThread), processId(pi.dwProcessId) {}
};

}  // namespace wf::win
