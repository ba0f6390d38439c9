#pragma once
// Resource ids of frmTTS.
#define IDD_FRMTTS 2400
#define IDC_TTS_LABEL1 2401
#define IDC_TTS_TXTSAY 2402
#define IDC_TTS_CMDSAY 2403
#define IDC_TTS_CMDSTOP 2404
#define IDC_TTS_CMDEXIT 2405
