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

class FakeSpeechEngine : public SpeechEngine, public SpeechVoice {
public:
    CallLog log;
    std::unique_ptr<SpeechVoice> CreateVoice() override {
        log.Call(u"create");
        struct Voice : SpeechVoice {  // each voice speaks through the engine's list
            FakeSpeechEngine& e;
            explicit Voice(FakeSpeechEngine& engine) : e(engine) {}
            void Register(std::u16string_view s, std::u16string_view a) override { e.Register(s, a); }
            void Speak(std::u16string_view t, int32_t f) override { e.Speak(t, f); }
            void StopSpeaking() override { e.StopSpeaking(); }
        };
        return std::make_unique<Voice>(*this);
    }
    void Register(std::u16string_view s, std::u16string_view a) override {
        log.Call(u"register", std::u16string(s) + u"|" + std::u16string(a));
    }
    void Speak(std::u16string_view t, int32_t f) override { log.Call(u"speak", std::u16string(t) + u"|" + ToU16Int(f)); }
    void StopSpeaking() override { log.Call(u"stop"); }

private:
    static std::u16string ToU16Int(int32_t n) {
        const std::string s = std::to_string(n);
        return std::u16string(s.begin(), s.end());
    }
};

}  // namespace wf::test
