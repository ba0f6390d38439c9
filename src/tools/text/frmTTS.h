#pragma once
// frmTTS: speaks the typed text through the speech engine and stops it.
#include <windows.h>

#include "platform/Prompts.h"
#include "platform/Speech.h"
#include "platform/win32/Forms.h"
#include "tools/text/TextToSpeech.h"

namespace wf {

class frmTTS : public win::DialogForm {
public:
    frmTTS(win::Forms& forms, Prompts& prompts, SpeechEngine& engine);

    void cmdSay_Click();
    void cmdStop_Click();
    void cmdExit_Click();

    const TextToSpeech& Speech() const { return speech_; }

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    TextToSpeech speech_;
};

}  // namespace wf
