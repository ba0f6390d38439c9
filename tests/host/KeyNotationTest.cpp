#include <gtest/gtest.h>

#include "common/Errors.h"
#include "common/Text.h"
#include "tools/text/KeyNotation.h"

namespace wf {
namespace {

using Keys = std::vector<KeyStroke>;
constexpr uint8_t S = keymod::Shift, C = keymod::Ctrl, A = keymod::Alt;
KeyStroke Ch(char16_t c, uint8_t mods = 0) { return KeyStroke{0, c, mods}; }
KeyStroke Vk(uint8_t key, uint8_t mods = 0) { return KeyStroke{key, 0, mods}; }

// Plain characters and each special one in braces: the key_notation fuzz target.
TEST(KeyNotation, ReadsEverySpecialFormIntoKeys) {
    const std::pair<std::u16string, Keys> cases[] = {
        {u"+a^c%f", {Ch(u'a', S), Ch(u'c', C), Ch(u'f', A)}},
        {u"+^%x~", {Ch(u'x', S | C | A), Vk(vk::Return)}},
        {u"^~", {Vk(vk::Return, C)}},
        {u"+(ab)c", {Ch(u'a', S), Ch(u'b', S), Ch(u'c')}},
        {u"^(a+(b)c)d", {Ch(u'a', C), Ch(u'b', C | S), Ch(u'c', C), Ch(u'd')}},
        {u"(a)[]", {Ch(u'a'), Ch(u'['), Ch(u']')}},
        {u"{ENTER}{tab}{BKSP}{Delete}{PGDN}{PRTSC}",
         {Vk(vk::Return), Vk(vk::Tab), Vk(vk::Back), Vk(vk::Delete), Vk(vk::PageDown), Vk(vk::Snapshot)}},
        {u"{F1}%{F4}{f16}", {Vk(vk::F1), Vk(vk::F1 + 3, A), Vk(vk::F1 + 15)}},
        {u"{h 3}+{LEFT 2}{} 2}{ }{  2}{x 0}", {Ch(u'h'), Ch(u'h'), Ch(u'h'), Vk(vk::Left, S), Vk(vk::Left, S),
                                               Ch(u'}'), Ch(u'}'), Ch(u' '), Ch(u' '), Ch(u' ')}},
        {u"", {}}};
    for (const auto& [text, keys] : cases) EXPECT_EQ(ParseKeys(text), keys) << ToUtf8(text);
    EXPECT_EQ(ParseKeys(u"{a 32767}").size(), 32767u);
}

TEST(KeyNotation, ABrokenTextIsError5) {
    for (const char16_t* text : {u"{ENTER", u"abc{", u"{}", u"a}", u"{NOSUCHKEY}", u"{F0}", u"{F17}", u"{h x}",
                                 u"{h -1}", u"{h 32768}", u"{h }", u"(ab", u"a)", u"+", u"ab^", u"(a+)"}) {
        try {
            ParseKeys(text);
            ADD_FAILURE() << "read " << ToUtf8(text);
        } catch (const CommandError& e) {
            EXPECT_EQ(e.number(), err::InvalidCall) << ToUtf8(text);
        }
    }
}

}  // namespace
}  // namespace wf
