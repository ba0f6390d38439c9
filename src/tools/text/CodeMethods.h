#pragma once
// The coder's three letter-scrambling methods and the little logic its window
// needs around them (key reading, key drawing, the mode guard), kept apart from
// the window so they run and are tested without one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Colour.h"

namespace wf {

// Methods 1 and 2 shift capitals "A".."Z" by their ANSI code; every other
// character passes through the ANSI code page unchanged. Method 3 swaps
// neighbours and never looks at the characters. Each result has M's length.
std::u16string code1(std::u16string_view M);
std::u16string decode1(std::u16string_view M);
std::u16string code2(std::u16string_view M, int16_t keynumber);
std::u16string decode2(std::u16string_view M, int16_t keynumber);  // empty when keynumber is 0
std::u16string code3(std::u16string_view M);
std::u16string decode3(std::u16string_view M);

enum class CoderMode { None, Code, Decode };

struct CoderResults {
    std::u16string method1, method2, method3;
};

inline constexpr std::u16string_view kCoderModeGuardMessage = u"Please choose to optcode or optDecode!";

// The key as typed: the lenient leading number, rounded halves-to-even into
// 16 bits. Empty when the value cannot be held in 16 bits.
std::optional<int16_t> ReadCoderKey(std::u16string_view keyText);

// What OK computes. Empty when no mode is chosen: the window then shows
// kCoderModeGuardMessage and changes nothing. A key text that cannot be held
// leaves method 2's row empty, as key 0 does when decoding.
std::optional<CoderResults> RunCoder(CoderMode mode, std::u16string_view input,
                                     std::u16string_view keyText);

// The Code-mode key text, 1 to 15, drawn from a uniform value in [0, 1).
std::u16string CoderKeyText(double uniform);

// Look of the result boxes, and of the key box while coding.
inline constexpr Colour kCoderDisabledBack = 0xE0FFFF;
inline constexpr Colour kCoderDisabledText = 0x808080;

struct KeyBoxLook {
    bool enabled;
    Colour back, text;
};
inline constexpr KeyBoxLook kKeyBoxCoding{false, kCoderDisabledBack, kCoderDisabledText};
inline constexpr KeyBoxLook kKeyBoxDecoding{true, 0xFFFFFF, 0x000000};

}  // namespace wf
