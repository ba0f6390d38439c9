#include "tools/text/TextToSpeech.h"

#include "common/ErrorReport.h"
#include "common/Errors.h"

namespace wf {

void TextToSpeech::Load() {
    if (RunStep(prompts_, kTextToSpeechCommand, [&] { voice_ = engine_.CreateVoice(); }) == StepResult::Aborted)
        return;
    RunStep(prompts_, kTextToSpeechCommand, [&] {
        // After an ignored creation failure there is no object to call.
        if (!voice_) throw CommandError(91, u"Object variable or With block variable not set");
        voice_->Register(u"", u"Wrenfold");
    });
}

template <class Call>
void TextToSpeech::Use(Call&& call) {
    try {
        if (!voice_) voice_ = engine_.CreateVoice();
        call(*voice_);
    } catch (const CommandError&) {
        // No engine, or one that cannot speak: tell the user once per
        // opening rather than at every click, and never end the program.
        if (told_) return;
        told_ = true;
        prompts_.MsgBox(kNoSpeechEngine, kTextToSpeechCommand, mb::Exclamation + mb::OkOnly);
    }
}

void TextToSpeech::Say(std::u16string_view text) {
    Use([&](SpeechVoice& v) { v.Speak(text, kSpeakFlags); });
}

void TextToSpeech::Stop() {
    Use([](SpeechVoice& v) { v.StopSpeaking(); });
}

}  // namespace wf
