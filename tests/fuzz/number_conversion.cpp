// Any text in any base gives only the digits of the output base, or nothing
// after Abort; a whole number written in a base reads back as itself where
// the reading rule keeps it (hex and octal patterns of 16 bits read signed,
// binary reads no negatives and no 31 digits).
#include <stdexcept>

#include "FuzzSupport.h"
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
    const int32_t base = 1 + to % 4;
    const std::u16string written = FormatNumber(value, base);
    const bool keeps = base == 2 || (base == 1 ? written.size() <= 30 : value < 32768 || value > 65535);
    test::FakePrompts quiet;
    FUZZ_CHECK(!keeps || ConvertNumber(quiet, written, base, 2) == FormatNumber(value, 2));
    return 0;
}
