#pragma once
// A keyboard and a speech engine that record their calls in one list; each
// kind of call can be made to fail a number of times (CommandError 5).
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/Errors.h"
#include "platform/Keyboard.h"
#include "platform/Speech.h"

namespace wf::test {

struct CallLog {
    std::vector<std::u16string> calls;
    std::map<std::u16string, int> failures;  // call name: refusals to come
    void Call(const std::u16string& name, std::u16string_view arg = u"") {
        calls.push_back(arg.empty() ? name : name + u":" + std::u16string(arg));
        if (int& left = failures[name]; left > 0 && left--) throw MakeError(err::InvalidCall);
    }
};

class FakeKeyboard : public Keyboard {
public:
    CallLog log;
    void AppActivate(std::u16string_view title) override { log.Call(u"activate", title); }
    void SendKeys(std::u16string_view keys) override { log.Call(u"send", keys); }
};

class FakeVoice : public SpeechVoice {
public:
    explicit FakeVoice(CallLog& log) : log_(log) {}
    void Register(std::u16string_view s, std::u16string_view a) override {
        log_.Call(u"register", std::u16string(s) + u"|" + std::u16string(a));
    }
    void Speak(std::u16string_view t, int32_t f) override { log_.Call(u"speak", std::u16string(t) + (f == 16 ? u"|16" : u"|?")); }
    void StopSpeaking() override { log_.Call(u"stop"); }

private:
    CallLog& log_;
};

class FakeSpeechEngine : public SpeechEngine {
public:
    CallLog log;
    std::unique_ptr<SpeechVoice> CreateVoice() override { return log.Call(u"create"), std::make_unique<FakeVoice>(log); }
};

}  // namespace wf::test
