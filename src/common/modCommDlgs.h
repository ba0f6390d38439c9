#pragma once
// How the file dialog's record is filled and read back, apart from the
// dialog itself.
#include <cstdint>
#include <string>
#include <string_view>

namespace wf {

inline constexpr size_t kFileBufferChars = 255;
// The dialogs' flag bits this program uses, by the values the dialogs define.
namespace ofn {
inline constexpr uint32_t HideReadOnly = 0x4, OverwritePrompt = 0x2, PathMustExist = 0x800, FileMustExist = 0x1000;
}  // namespace ofn
inline constexpr uint32_t kSolidColoursOnly = 0x80;

inline constexpr uint32_t kOpenFlags = ofn::FileMustExist | ofn::PathMustExist | ofn::HideReadOnly;
inline constexpr uint32_t kSaveFlags = ofn::PathMustExist | ofn::HideReadOnly | ofn::OverwritePrompt;
inline constexpr uint32_t kColourFlags = kSolidColoursOnly;

// Description/pattern pairs, each part followed by a NUL, closed by a second
// NUL however the caller ended it.
std::u16string DialogFilter(std::u16string_view filter);

// The 255-character file buffer: the initial name, then NULs. A name that
// would not leave room for its NUL is cut to fit, never written past the end.
std::u16string FileNameBuffer(std::u16string_view initialFile);

// The chosen path: the buffer up to its first NUL.
std::u16string FileNameFromBuffer(std::u16string_view buffer);

}  // namespace wf
