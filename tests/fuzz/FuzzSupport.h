#pragma once
// What the fuzz targets share: a reader over libFuzzer's bytes and a check
// that ends the run on a broken property, so libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(cond)                                                                   \
    ((cond) ? (void)0                                                                      \
            : (std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__), \
               std::abort()))

namespace wf::fuzz {

struct Input {
    const uint8_t* p;
    size_t n;
    uint8_t Byte() { return n != 0 ? (--n, *p++) : 0; }
    uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
    // Text a byte a character, so seeds stay readable; 0xFF takes the next two
    // bytes as any UTF-16 unit (surrogates included). Stops at `end` or after
    // `max` characters.
    std::u16string Text(char16_t end = 0xFFFF, size_t max = SIZE_MAX) {
        std::u16string s;
        while (n != 0 && s.size() < max) {
            const uint8_t b = Byte();
            const char16_t c = b == 0xFF ? static_cast<char16_t>(Word()) : b;
            if (b == end) break;
            s += c;
        }
        return s;
    }
};

}  // namespace wf::fuzz
