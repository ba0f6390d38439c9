// Any text in any base gives only the digits of the output base, or nothing
// after Abort; and a whole number converts to its patterns and back.
#include <algorithm>
#include <bitset>
#include <cstdio>
#include <stdexcept>

#include "FuzzSupport.h"
#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "tools/text/NumberConversion.h"

using namespace wf;

static bool OnlyDigits(const std::u16string& s, int32_t type) {
    static const std::u16string_view digits[] = {u"", u"01", u"-0123456789", u"0123456789ABCDEF", u"01234567"};
    return s.find_first_not_of(digits[type >= 1 && type <= 4 ? type : 0]) == std::u16string::npos;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    const int32_t from = in.Byte() % 6, to = in.Byte() % 6;
    const auto value = static_cast<int32_t>(in.Word() << 16 | in.Word());
    test::FakePrompts prompts;
    for (int i = in.Byte() % 4; i-- > 0;) prompts.answers.push_back(answer::Abort + in.Byte() % 3);
    const std::u16string text = in.Text();
    try {
        const std::u16string out = ConvertNumber(prompts, text, from, to);
        FUZZ_CHECK(OnlyDigits(out, to) && (to < 1 || to > 4 || out.size() <= 32));
        FUZZ_CHECK(!out.empty() || to < 1 || to > 4 || prompts.messages.size() > 0);
    } catch (const std::logic_error&) {  // Retry answered until the script ran out
    }
    // Decimal text converts to the printf patterns (binary in whole nibbles)
    // and back; hex and octal patterns of 16 bits read as 16-bit numbers,
    // binary reads no negatives and no 31 digits.
    const auto bits = static_cast<uint32_t>(value);
    char hex[16], oct[16];
    std::snprintf(hex, sizeof hex, "%X", bits);
    std::snprintf(oct, sizeof oct, "%o", bits);
    std::string bin = std::bitset<32>(bits).to_string();
    bin.erase(0, std::min(bin.find('1'), size_t{31}) / 4 * 4);
    const std::u16string dec = ToU16(std::to_string(value));
    test::FakePrompts quiet;
    FUZZ_CHECK(ConvertNumber(quiet, dec, 2, 3) == ToU16(hex) && ConvertNumber(quiet, dec, 2, 4) == ToU16(oct) &&
               ConvertNumber(quiet, dec, 2, 1) == ToU16(bin) && ConvertNumber(quiet, dec, 2, 2) == dec);
    const std::u16string back = ToU16(std::to_string(value >= 0x8000 && value <= 0xFFFF ? value - 0x10000 : value));
    FUZZ_CHECK(ConvertNumber(quiet, ToU16(hex), 3, 2) == back && ConvertNumber(quiet, ToU16(oct), 4, 2) == back);
    FUZZ_CHECK(bin.size() > 30 || ConvertNumber(quiet, ToU16(bin), 1, 2) == dec);
    return 0;
}
