#pragma once
// Text helpers. The program's own strings are UTF-16; ANSI bytes appear only
// where bytes are fixed (coder codes, MD5 input, datagrams, TCP lines, pages).
#include <string>
#include <string_view>

namespace wf {

// UTF-8 <-> UTF-16, for literals, file names from the C runtime and tests.
std::u16string ToU16(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

// The ANSI codec: the system's ANSI code page on Windows, Windows-1252 in
// host builds. Characters the code page cannot hold become '?'.
std::string ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

}  // namespace wf
