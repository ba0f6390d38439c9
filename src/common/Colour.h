#pragma once
// Colour numbers in the Windows layout 0x00BBGGRR; the top bit names a
// system colour (0x80000005 is the window background).
#include <cstdint>

namespace wf {

using Colour = uint32_t;

constexpr Colour MakeColour(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr uint8_t RedOf(Colour c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GreenOf(Colour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t BlueOf(Colour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
constexpr uint32_t SystemColourIndex(Colour c) { return c & 0xFFu; }

inline constexpr Colour kWindowBackground = 0x80000005u;

}  // namespace wf
