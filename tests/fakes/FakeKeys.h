#pragma once
// A keyboard and a speech engine that record their calls; each call can be
// made to fail a number of times.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/Errors.h"
#include "platform/Keyboard.h"
#include "platform/Speech.h"

namespace wf::test {

// Every call of the doubles below, in order, with its failures to come.
struct CallLog {
    std::vector<std::u16string> calls;
    std::map<std::u16string, int> failures;  // call name: refusals left
    void Call(const std::u16string& name, std::u16string_view arg = u"") {
        calls.push_back(arg.empty() ? name : name + u":" + std::u16string(arg));
        if (failures[name] > 0) {
            --failures[name];
            throw MakeError(err::InvalidCall);
        }
    }
};

class FakeKeyboard : public Keyboard {
public:
    CallLog log;
    void AppActivate(std::u16string_view title) override { log.Call(u"activate", title); }
    void SendKeys(std::u16string_view keys) override { log.Call(u"send", keys); }
};

class FakeSpeechEngine : public SpeechEngine {
public:
    CallLog log;
    std::unique_ptr<SpeechVoice> CreateVoice() override;
};

class FakeVoice : public SpeechVoice {
public:
    explicit FakeVoice(CallLog& log) : log_(log) {}
    void Register(std::u16string_view site, std::u16string_view app) override {
        log_.Call(u"register", std::u16string(site) + u"|" + std::u16string(app));
    }
    void Speak(std::u16string_view text, int32_t flags) override {
        log_.Call(u"speak", std::u16string(text) + u"|" + std::u16string(1, static_cast<char16_t>(u'0' + flags % 10)));
    }
    void StopSpeaking() override { log_.Call(u"stop"); }

private:
    CallLog& log_;
};

inline std::unique_ptr<SpeechVoice> FakeSpeechEngine::CreateVoice() {
    if (log.failures[u"create"] > 0) {
        log.Call(u"create");  // throws
    }
    log.calls.push_back(u"create");
    return std::make_unique<FakeVoice>(log);
}

}  // namespace wf::test
