#pragma once
// A speech engine: one voice object per window, which registers the
// application, speaks a text without blocking and stops at once.
#include <cstdint>
#include <memory>
#include <string_view>

namespace wf {

class SpeechVoice {
public:
    virtual ~SpeechVoice() = default;
    // Each call throws CommandError when the engine refuses it.
    virtual void Register(std::u16string_view site, std::u16string_view application) = 0;
    // Returns at once; the speech goes on.
    virtual void Speak(std::u16string_view text, int32_t flags) = 0;
    virtual void StopSpeaking() = 0;
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // A new voice object; CommandError 429 when none can be made.
    virtual std::unique_ptr<SpeechVoice> CreateVoice() = 0;
};

}  // namespace wf
