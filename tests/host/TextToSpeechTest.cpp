#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeKeys.h"
#include "fakes/FakePrompts.h"
#include "tools/text/TextToSpeech.h"

namespace wf {
namespace {

using Calls = std::vector<std::u16string>;

// Registered at load; clicks speak whole texts asynchronously (16) and stop, through the
// load's object or, after a failed load, an unregistered one made at the click.
TEST(TextToSpeech, LoadFailuresFollowTheAnswerAndClicksUseOneObject) {
    const struct { std::u16string failing; std::deque<int> answers; Calls calls; } cases[] = {
        {u"", {}, {u"create", u"register:|Wrenfold", u"speak:a\r\nb|16", u"stop"}},
        {u"create", {answer::Abort}, {u"create", u"create", u"speak:a\r\nb|16", u"stop"}},
        {u"create", {answer::Retry}, {u"create", u"create", u"register:|Wrenfold", u"speak:a\r\nb|16", u"stop"}},
        // Ignored, the registration finds no object and is reported too.
        {u"create", {answer::Ignore, answer::Ignore}, {u"create", u"create", u"speak:a\r\nb|16", u"stop"}},
        {u"register", {answer::Ignore}, {u"create", u"register:|Wrenfold", u"speak:a\r\nb|16", u"stop"}},
        {u"register", {answer::Retry}, {u"create", u"register:|Wrenfold", u"register:|Wrenfold", u"speak:a\r\nb|16", u"stop"}}};
    for (const auto& c : cases) {
        test::FakeSpeechEngine engine;
        test::FakePrompts prompts;
        engine.log.failures[c.failing] = 1;
        prompts.answers = c.answers;
        TextToSpeech tts(prompts, engine);
        tts.Load();
        tts.Say(u"a\r\nb");
        tts.Stop();
        EXPECT_EQ(engine.log.calls, c.calls) << ToUtf8(c.failing) << c.answers.size();
        ASSERT_EQ(prompts.messages.size(), c.answers.size());
        for (const auto& m : prompts.messages) EXPECT_EQ(m.title, u"Text-To-Speech error");
    }
}

TEST(TextToSpeech, NoEngineIsToldAtTheFirstFailingClickOnly) {
    test::FakeSpeechEngine engine;
    test::FakePrompts prompts;
    TextToSpeech tts(prompts, engine);
    engine.log.failures = {{u"create", 3}, {u"speak", 1}};
    prompts.answers = {answer::Abort, answer::Ok};
    tts.Load();
    tts.Stop();     // fails again: told
    tts.Say(u"a");  // fails again: silent
    tts.Say(u"b");  // an engine at last, but it cannot speak: silent
    ASSERT_EQ(prompts.messages.size(), 2u);
    const auto& m = prompts.messages[1];
    EXPECT_TRUE(m.text == u"No speech engine is available." && m.title == u"Text-To-Speech" && m.style == 48);
    EXPECT_TRUE(tts.HasVoice());
}

}  // namespace
}  // namespace wf
