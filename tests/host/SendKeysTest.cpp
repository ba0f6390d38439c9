#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeKeys.h"
#include "fakes/FakePrompts.h"
#include "tools/text/SendKeys.h"

namespace wf {
namespace {

using Calls = std::vector<std::u16string>;

TEST(AppActivate, EqualTitleFirstThenOneThatBeginsWithIt) {
    const std::vector<std::u16string> titles = {u"Untitled - Notepad - extra", u"untitled - notepad",
                                                u"Untitled - Notepad", u"Calculator"};
    const std::pair<std::u16string, std::optional<size_t>> cases[] = {
        {u"Untitled - Notepad", 2}, {u"UNTITLED - NOTEPAD", 1}, {u"Untitled", 0}, {u"calc", 3},
        {u"Notepad", std::nullopt}, {u"", std::nullopt}, {u"Calculator2", std::nullopt}};
    for (const auto& [title, index] : cases) EXPECT_EQ(ChooseWindowByTitle(titles, title), index) << ToUtf8(title);
}

TEST(CountBox, AlwaysHoldsANumberWithTheCaretWhereTypingLeftIt) {
    const struct { std::u16string text; size_t caret; std::u16string shown; size_t caretAfter; } cases[] = {
        {u"12abc", 5, u"12", 2}, {u"007", 3, u"7", 1},   {u"1e3", 3, u"1000", 3}, {u"", 0, u"0", 1},   {u"1.", 2, u"1", 1},
        {u"-", 1, u"0", 1},      {u"1.2", 2, u"1.2", 2}, {u"-5", 1, u"-5", 1},    {u"0", 0, u"0", 1},  {u"1e999", 5, u"1e999", 5},
        {u"1e15", 4, u"1E+15", 4}, {u"0.00001", 7, u"1E-05", 5}, {u"123456789012345678", 18, u"1.23456789012346E+17", 18}};
    for (const auto& c : cases) {
        const CountBoxEdit edit = NormaliseCount(c.text, c.caret);
        EXPECT_EQ(edit.text, c.shown) << ToUtf8(c.text);
        EXPECT_EQ(edit.caret, c.caretAfter) << ToUtf8(c.text);
    }
}

TEST(SendKeysCommand, SendsWholeRoundsAndFollowsTheReportOnEachFailingStep) {
    const struct { std::u16string count; std::map<std::u16string, int> failures; std::deque<int> answers; Calls calls; } cases[] = {
        {u"2.5", {}, {}, {u"activate:Pad", u"send:x1", u"send:x2"}},
        {u"0.9", {}, {}, {u"activate:Pad"}},
        {u"-3", {}, {}, {u"activate:Pad"}},
        {u"1", {{u"activate", 2}}, {answer::Retry, answer::Retry}, {u"activate:Pad", u"activate:Pad", u"activate:Pad", u"send:x1"}},
        {u"1", {{u"activate", 1}}, {answer::Ignore}, {u"activate:Pad", u"send:x1"}},
        {u"2", {{u"activate", 1}}, {answer::Abort}, {u"activate:Pad"}},
        {u"2", {{u"send", 1}}, {answer::Retry}, {u"activate:Pad", u"send:x1", u"send:x2", u"send:x3"}},
        {u"3", {{u"send", 1}}, {answer::Ignore}, {u"activate:Pad", u"send:x1", u"send:x2", u"send:x3"}},
        {u"3", {{u"send", 1}}, {answer::Abort}, {u"activate:Pad", u"send:x1"}},
        {u"1e999", {}, {answer::Ignore}, {u"activate:Pad"}}};  // an unreadable count, ignored, is 0
    for (const auto& c : cases) {
        test::FakeKeyboard keyboard;
        test::FakePrompts prompts;
        keyboard.log.failures = c.failures;
        prompts.answers = c.answers;
        int reads = 0;  // the text is read afresh for every round
        SendKeysCommand(prompts, keyboard, u"Pad", c.count, [&] { return u"x" + ToU16(std::to_string(++reads)); });
        EXPECT_EQ(keyboard.log.calls, c.calls) << ToUtf8(c.count);
        EXPECT_EQ(prompts.messages.size(), c.answers.size());
        for (const auto& m : prompts.messages) EXPECT_EQ(m.title, u"SendKeys error");
    }
}

}  // namespace
}  // namespace wf
