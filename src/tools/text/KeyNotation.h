#pragma once
// The keystroke notation of the classic send-keys statement, read into the
// keys to press: ordinary characters stand for themselves; + ^ % hold Shift,
// Ctrl and Alt for the next key or for a parenthesised group; ~ is Enter;
// braces name keys ({ENTER}, {F5}, {LEFT}...), quote the special characters
// ({+}, {{}, {}}, {~}...) and repeat a key ({h 10}, {LEFT 3}).
#include <cstdint>
#include <string_view>
#include <vector>

namespace wf {

namespace keymod {
inline constexpr uint8_t Shift = 1, Ctrl = 2, Alt = 4;
}  // namespace keymod

// Virtual-key codes of the named keys (the platform's published numbers).
namespace vk {
inline constexpr uint8_t Cancel = 0x03, Back = 0x08, Tab = 0x09, Return = 0x0D, Capital = 0x14, Escape = 0x1B,
                         PageUp = 0x21, PageDown = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26,
                         Right = 0x27, Down = 0x28, Snapshot = 0x2C, Insert = 0x2D, Delete = 0x2E, Help = 0x2F,
                         Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D, Divide = 0x6F, F1 = 0x70, NumLock = 0x90,
                         Scroll = 0x91;
}  // namespace vk

// One key to press and release: a named key (vk != 0) or a character.
struct KeyStroke {
    uint8_t vk = 0;
    char16_t ch = 0;
    uint8_t mods = 0;  // keymod bits held down around it
    bool operator==(const KeyStroke&) const = default;
};

// The most a brace may repeat a key ({a 32767}); more reads as a mistake.
inline constexpr int kMaxKeyRepeat = 32767;

// The keys of `text` in order. A text that breaks the notation (an unclosed
// brace or parenthesis, a stray ')' or '}', an unknown key name, a bad repeat
// count, a modifier with no key after it) throws CommandError 5, so nothing
// of it is typed.
std::vector<KeyStroke> ParseKeys(std::u16string_view text);

}  // namespace wf
