// Each method keeps the length and decodes what it coded, for any text the
// ANSI code page holds and any key of one wrap (1 to 26 places either way);
// only capitals move, method 1 back at odd positions and forward at even,
// method 2 by the key; RunCoder agrees with the methods.
#include "FuzzSupport.h"
#include "common/Text.h"
#include "tools/text/CodeMethods.h"

using namespace wf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    // Mostly a key of one wrap, whose coding decodes again; else any key.
    const auto key = static_cast<int16_t>(in.Byte() < 0xC0 ? in.Byte() % 53 - 26 : in.Word());
    const std::u16string keyText = in.Text(u'\n', 12), raw = in.Text();
    const std::u16string text = FromAnsi(ToAnsi(raw));  // what the code page holds
    FUZZ_CHECK(code1(raw).size() == raw.size() && code2(raw, key).size() == raw.size() &&
               decode2(raw, key).size() == (key ? raw.size() : 0) && code3(raw).size() == raw.size());
    FUZZ_CHECK(decode1(code1(text)) == text && decode3(code3(raw)) == raw && code3(decode3(raw)) == raw);
    FUZZ_CHECK(key == 0 || key < -26 || key > 26 || decode2(code2(text, key), key) == text);
    FUZZ_CHECK(key != 0 || decode2(text, key).empty());
    const std::u16string c1 = code1(text), c2 = code2(text, key);
    for (size_t i = 0; i < text.size(); ++i) {
        const int d = text[i] - u'A';
        const bool capital = d >= 0 && d < 26;
        FUZZ_CHECK(c1[i] == (capital ? u'A' + (d + (i % 2 ? 1 : 25)) % 26 : text[i]));
        FUZZ_CHECK(key < -26 || key > 26 || c2[i] == (capital ? u'A' + (d + key + 26) % 26 : text[i]));
    }
    const auto coded = RunCoder(CoderMode::Code, raw, keyText), decoded = RunCoder(CoderMode::Decode, raw, keyText);
    const auto k = ReadCoderKey(keyText);  // a key that cannot be held empties only method 2
    FUZZ_CHECK(coded && coded->method1 == code1(raw) && coded->method3 == code3(raw));
    FUZZ_CHECK(decoded && decoded->method1 == decode1(raw) && decoded->method3 == decode3(raw));
    FUZZ_CHECK(coded->method2 == (k ? code2(raw, *k) : u"") && decoded->method2 == (k ? decode2(raw, *k) : u""));
    FUZZ_CHECK(!RunCoder(CoderMode::None, raw, keyText));
    return 0;
}
