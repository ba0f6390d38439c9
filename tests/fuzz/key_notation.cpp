// The notation either reads into keys or fails with error 5; every key is a
// named key or a character (not both) with known modifiers; any text quoted key by key
// reads back as exactly its characters.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "tools/text/KeyNotation.h"

using namespace wf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    const std::u16string text = in.Text();
    try {
        for (const KeyStroke& k : ParseKeys(text))
            FUZZ_CHECK((k.vk == 0 || k.ch == 0) && (k.mods & ~7) == 0);
    } catch (const CommandError& e) {
        FUZZ_CHECK(e.number() == err::InvalidCall);
    }
    std::u16string quoted;
    for (char16_t c : text) {
        const bool special = std::u16string_view(u"+^%~(){}[]").find(c) != std::u16string_view::npos;
        quoted += special ? std::u16string{u'{', c, u'}'} : std::u16string(1, c);
    }
    const std::vector<KeyStroke> keys = ParseKeys(quoted);
    size_t i = 0;
    for (char16_t c : text) FUZZ_CHECK(i < keys.size() && keys[i].mods == 0 && keys[i++].ch == c);
    FUZZ_CHECK(i == keys.size());
    return 0;
}
