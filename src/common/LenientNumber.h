#pragma once
// Numbers typed into text boxes are read leniently, the way the original
// BASIC-era tools did, and converted to integers with banker's rounding and
// overflow checks.
#include <cstdint>
#include <string_view>

namespace wf {

// The value of the text's leading number. Spaces, tabs and line feeds are
// skipped wherever they stand; a sign, digits, a decimal point and an
// exponent (E or D) are accepted; "&H" and "&O" introduce hexadecimal and
// octal digits. The first character that cannot continue the number ends it;
// no number at all gives 0. Hex/octal digits form a bit pattern read as a
// 16-bit two's-complement value if it fits 16 bits, else as 32-bit if it fits
// 32 bits. Wider patterns, and decimal values beyond a double, throw
// CommandError 6 (overflow).
double ReadLenientNumber(std::u16string_view text);

// Nearest integer, halves to the even neighbour; out of range throws
// CommandError 6 (overflow).
int16_t RoundToInt16(double value);
int32_t RoundToInt32(double value);

// Overflow-checked 16/32-bit arithmetic (CommandError 6 on overflow).
int16_t CheckedAdd16(int16_t a, int16_t b);
int32_t CheckedAdd32(int32_t a, int32_t b);
int32_t CheckedMul32(int32_t a, int32_t b);

}  // namespace wf
