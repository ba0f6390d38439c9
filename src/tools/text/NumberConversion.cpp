#include "tools/text/NumberConversion.h"

#include <string>

#include "common/ErrorReport.h"
#include "common/LenientNumber.h"
#include "common/Text.h"

namespace wf {
namespace {

constexpr std::u16string_view kDigits = u"0123456789ABCDEF";

// Negative values show their 32-bit two's-complement pattern.
std::u16string Digits(int32_t value, uint32_t radix) {
    auto bits = static_cast<uint32_t>(value);
    std::u16string out;
    do {
        out.insert(out.begin(), kDigits[bits % radix]);
        bits /= radix;
    } while (bits != 0);
    return out;
}

// Binary output goes through the hexadecimal form, four digits per hex digit,
// which is why it keeps up to three leading zeros.
std::u16string BinaryFromHex(std::u16string_view hex) {
    std::u16string out;
    for (char16_t h : hex) {
        const auto p = kDigits.find(h);
        for (int bit = 3; bit >= 0; --bit) out += ((p >> bit) & 1) != 0 ? u'1' : u'0';
    }
    return out;
}

}  // namespace

std::u16string FormatNumber(int32_t value, int32_t outputType) {
    switch (outputType) {
    case base::Binary: return BinaryFromHex(Digits(value, 16));
    case base::Decimal: return ToU16(std::to_string(value));
    case base::Hexadecimal: return Digits(value, 16);
    case base::Octal: return Digits(value, 8);
    default: return {};
    }
}

std::u16string ConvertNumber(Prompts& prompts, std::u16string_view input, int32_t inputType,
                             int32_t outputType) {
    int32_t result = 0;
    int32_t place = 1;
    auto step = [&](auto&& body) { return RunStep(prompts, kNumberConverterCommand, body); };
    auto readWithPrefix = [&](std::u16string_view prefix) {
        std::u16string text(prefix);
        text += input;
        return step([&] { result = RoundToInt32(ReadLenientNumber(text)); });
    };

    StepResult read = StepResult::Done;
    switch (inputType) {
    case base::Binary:
        // Right to left, one trapped step each for the digit's value, the sum
        // and the next place value, so Retry and Ignore act on just that one.
        for (size_t i = input.size(); i-- > 0 && read != StepResult::Aborted;) {
            const char16_t ch = input[i];
            const int32_t value = (ch >= u'0' && ch <= u'9') ? ch - u'0' : 0;
            read = step([&] {
                result = RoundToInt32(static_cast<double>(result) + static_cast<double>(value) * place);
            });
            if (read != StepResult::Aborted) read = step([&] { place = CheckedMul32(place, 2); });
        }
        break;
    case base::Decimal: read = step([&] { result = RoundToInt32(ReadLenientNumber(input)); }); break;
    case base::Hexadecimal: read = readWithPrefix(u"&H"); break;
    case base::Octal: read = readWithPrefix(u"&O"); break;
    default: break;
    }
    if (read == StepResult::Aborted) return {};
    return FormatNumber(result, outputType);
}

}  // namespace wf
