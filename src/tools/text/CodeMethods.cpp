#include "tools/text/CodeMethods.h"

#include <algorithm>
#include <string>

#include "common/Errors.h"
#include "common/LenientNumber.h"
#include "common/Text.h"

namespace wf {
namespace {

// Large keys push some capitals to codes outside one byte, which name no
// character; they show as '?', the mark the code page itself gives to
// characters it cannot hold, so the result keeps its length.
std::u16string CharOfCode(int code) {
    if (code < 0 || code > 255) return u"?";
    const std::u16string ch = FromAnsi(std::string(1, static_cast<char>(code)));
    return ch.size() == 1 ? ch : u"?";  // a lone DBCS lead byte is no character
}

// Shared loop of methods 1 and 2: shift(code, position) gives the new code of
// a capital; one wrap at most, first up then down, which keys beyond 26 places
// do not bring back into A..Z. Each character crosses the code page on its
// own, so a double-byte character (never a capital) passes through whole and
// positions stay those of the text.
template <class Shift>
std::u16string ShiftCapitals(std::u16string_view M, Shift shift) {
    std::u16string result;
    result.reserve(M.size());
    for (size_t i = 0; i < M.size(); ++i) {
        const std::string bytes = ToAnsi(M.substr(i, 1));
        if (bytes.size() != 1 || bytes[0] < 'A' || bytes[0] > 'Z') {
            result += FromAnsi(bytes);
            continue;
        }
        int r = shift(int{bytes[0]}, i + 1);
        if (r < 'A') r += 26;
        if (r > 'Z') r -= 26;
        result += CharOfCode(r);
    }
    return result;
}

}  // namespace

std::u16string code1(std::u16string_view M) {
    return ShiftCapitals(M, [](int c, size_t pos) { return pos % 2 == 0 ? c + 1 : c - 1; });
}

std::u16string decode1(std::u16string_view M) {
    return ShiftCapitals(M, [](int c, size_t pos) { return pos % 2 == 0 ? c - 1 : c + 1; });
}

std::u16string code2(std::u16string_view M, int16_t keynumber) {
    return ShiftCapitals(M, [keynumber](int c, size_t) { return c + keynumber; });
}

std::u16string decode2(std::u16string_view M, int16_t keynumber) {
    if (keynumber == 0) return {};
    return ShiftCapitals(M, [keynumber](int c, size_t) { return c - keynumber; });
}

std::u16string code3(std::u16string_view M) {
    std::u16string result;
    result.reserve(M.size());
    for (size_t i = 0; i < M.size(); i += 2) {
        if (i + 1 < M.size()) result += M[i + 1];
        result += M[i];
    }
    return result;
}

std::u16string decode3(std::u16string_view M) { return code3(M); }

std::optional<int16_t> ReadCoderKey(std::u16string_view keyText) {
    try {
        return RoundToInt16(ReadLenientNumber(keyText));
    } catch (const CommandError&) {
        return std::nullopt;
    }
}

std::optional<CoderResults> RunCoder(CoderMode mode, std::u16string_view input,
                                     std::u16string_view keyText) {
    if (mode == CoderMode::None) return std::nullopt;
    const bool coding = mode == CoderMode::Code;
    const std::optional<int16_t> key = ReadCoderKey(keyText);
    CoderResults out;
    out.method1 = coding ? code1(input) : decode1(input);
    if (key) out.method2 = coding ? code2(input, *key) : decode2(input, *key);
    out.method3 = coding ? code3(input) : decode3(input);
    return out;
}

std::u16string CoderKeyText(double uniform) {
    // Neither the generator nor the rounding of uniform * 15 just below 1 is
    // trusted to keep the key inside 1..15.
    if (!(uniform >= 0.0)) uniform = 0.0;
    const int key = uniform < 1.0 ? std::min(static_cast<int>(uniform * 15) + 1, 15) : 15;
    return ToU16(std::to_string(key));
}

}  // namespace wf
