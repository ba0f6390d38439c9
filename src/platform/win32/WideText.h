#pragma once
// Win32 and our UTF-16 strings share their code units: these casts are all
// it takes to pass one to the other.
#include <string>

namespace wf::win {

inline const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline std::u16string U(const wchar_t* s) { return s ? std::u16string(reinterpret_cast<const char16_t*>(s)) : std::u16string(); }

}  // namespace wf::win
