#include "tools/text/frmTTS.h"

#include "tools/text/frmTTSIds.h"

namespace wf {

frmTTS::frmTTS(win::Forms& forms, Prompts& prompts, SpeechEngine& engine)
    : DialogForm(forms, IDD_FRMTTS), speech_(prompts, engine) {}

void frmTTS::Form_Load() { speech_.Load(); }

void frmTTS::cmdSay_Click() { speech_.Say(Text(IDC_TTS_TXTSAY)); }

void frmTTS::cmdStop_Click() { speech_.Stop(); }

void frmTTS::cmdExit_Click() { Unload(); }

bool frmTTS::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_TTS_CMDSAY: cmdSay_Click(); break;
    case IDC_TTS_CMDSTOP: cmdStop_Click(); break;
    case IDC_TTS_CMDEXIT: cmdExit_Click(); break;
    default: break;  // Esc: Close is no cancel button here
    }
    return true;
}

}  // namespace wf
