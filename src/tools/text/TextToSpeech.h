#pragma once
// The text-to-speech tool apart from its window: the speech object it holds,
// registered once at load, and the Say and Stop commands.
#include <memory>
#include <string_view>

#include "platform/Prompts.h"
#include "platform/Speech.h"

namespace wf {

inline constexpr std::u16string_view kTextToSpeechCommand = u"Text-To-Speech";
inline constexpr std::u16string_view kNoSpeechEngine = u"No speech engine is available.";
inline constexpr int32_t kSpeakFlags = 16;

class TextToSpeech {
public:
    TextToSpeech(Prompts& prompts, SpeechEngine& engine) : prompts_(prompts), engine_(engine) {}

    // Form_Load: create the speech object, then register it, each step under
    // the "Text-To-Speech" error report.
    void Load();
    // cmdSay_Click and cmdStop_Click. With no speech object, one is made
    // first (not registered). When none can be made or it fails, the first
    // such click says so; later ones pass silently.
    void Say(std::u16string_view text);
    void Stop();

    bool HasVoice() const { return voice_ != nullptr; }

private:
    template <class Call>
    void Use(Call&& call);

    Prompts& prompts_;
    SpeechEngine& engine_;
    std::unique_ptr<SpeechVoice> voice_;
    bool told_ = false;
};

}  // namespace wf
