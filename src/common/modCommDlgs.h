#pragma once
// How the file dialog's record is filled and read back, apart from the
// dialog itself.
#include <cstdint>
#include <string>
#include <string_view>

namespace wf {

inline constexpr size_t kFileBufferChars = 255;
inline constexpr uint32_t kOpenFlags = 0x1804;  // file and path must exist, hide read-only
inline constexpr uint32_t kSaveFlags = 0x806;   // path must exist, hide read-only, ask before overwriting
inline constexpr uint32_t kColourFlags = 0x80;  // solid colours only

// Description/pattern pairs, each part followed by a NUL, closed by a second
// NUL however the caller ended it.
std::u16string DialogFilter(std::u16string_view filter);

// The 255-character file buffer: the initial name, then NULs. A name that
// would not leave room for its NUL is cut to fit, never written past the end.
std::u16string FileNameBuffer(std::u16string_view initialFile);

// The chosen path: the buffer up to its first NUL.
std::u16string FileNameFromBuffer(std::u16string_view buffer);

}  // namespace wf
