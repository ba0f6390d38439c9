#pragma once
// modColours: colour numbers as HTML writes them.
#include <array>
#include <cstring>
#include <string>

#include "common/Colour.h"

namespace wf {

// Six upper-case hexadecimal digits, red, green, blue ("FF0000" for the colour
// number 0x0000FF), no number sign. Only the low three bytes count: colours
// reaching the page come from the colour dialog or from pixels.
std::u16string HTMLColour(Colour colour);

namespace detail {
// Two digits per byte value: photographs change colour at almost every
// sample, so the page encoder converts through a table.
inline constexpr std::array<char, 512> kHexPairs = [] {
    constexpr char hex[] = "0123456789ABCDEF";
    std::array<char, 512> t{};
    for (int i = 0; i < 256; ++i) {
        t[static_cast<size_t>(2 * i)] = hex[i >> 4];
        t[static_cast<size_t>(2 * i + 1)] = hex[i & 0xF];
    }
    return t;
}();
}  // namespace detail

// The same six digits as ANSI bytes, written into out[0..6).
inline void HTMLColourDigits(Colour colour, char* out) {
    std::memcpy(out, &detail::kHexPairs[2u * RedOf(colour)], 2);
    std::memcpy(out + 2, &detail::kHexPairs[2u * GreenOf(colour)], 2);
    std::memcpy(out + 4, &detail::kHexPairs[2u * BlueOf(colour)], 2);
}

}  // namespace wf
