#include "tools/text/frmCodeDecode.h"

#include <random>
#include <string>
#include <utility>

#include "tools/text/frmCodeDecodeIds.h"

namespace wf {
namespace {

// A NUL, which a large decoding key makes of some capitals, would end an
// edit box's text and hide the rest of the row; it shows as the mark the
// other codes that name no character get.
std::u16string Shown(std::u16string text) {
    for (char16_t& c : text)
        if (c == u'\0') c = u'?';
    return text;
}

constexpr KeyBoxLook kResultLook{false, kCoderDisabledBack, kCoderDisabledText};

}  // namespace

double UniformSeededAt(uint64_t timeOfDay) {
    std::seed_seq seed{static_cast<uint32_t>(timeOfDay), static_cast<uint32_t>(timeOfDay >> 32)};
    std::mt19937 generator(seed);
    // 24 bits over 2^24: strictly below 1, unlike some canonical draws.
    return static_cast<double>(generator() >> 8) / 16777216.0;
}

double TimeSeededUniform() {
    // Time of day in 100 ns steps: two Codes a moment apart still differ.
    constexpr uint64_t kTicksPerDay = 864000000000ull;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return UniformSeededAt(ticks % kTicksPerDay);
}

frmCodeDecode::frmCodeDecode(win::Forms& forms, Prompts& prompts, Clipboard& clipboard, UniformDraw uniform)
    : DialogForm(forms, IDD_FRMCODEDECODE),
      prompts_(prompts),
      clipboard_(clipboard),
      uniform_(std::move(uniform)),
      disabledBrush_(CreateSolidBrush(kCoderDisabledBack)),
      keyBrush_(CreateSolidBrush(kCoderDisabledBack)) {}

void frmCodeDecode::Form_Load() {
    CheckRadioButton(hwnd(), IDC_CD_OPTCODE, IDC_CD_OPTDECODE, IDC_CD_OPTCODE);
    optCode_Click();
    cmdOK_Click();
}

void frmCodeDecode::ShowKeyLook(const KeyBoxLook& look) {
    keyLook_ = look;
    keyBrush_.reset(CreateSolidBrush(look.back));
    HWND key = Item(IDC_CD_TXTKEY);
    EnableWindow(key, look.enabled ? TRUE : FALSE);
    InvalidateRect(key, nullptr, TRUE);
}

void frmCodeDecode::optCode_Click() {
    const std::u16string key = CoderKeyText(uniform_());
    ShowKeyLook(kKeyBoxCoding);
    SetText(IDC_CD_TXTKEY, key);
}

// The key stays: the one just used for coding is in place for decoding.
void frmCodeDecode::optDecode_Click() { ShowKeyLook(kKeyBoxDecoding); }

CoderMode frmCodeDecode::SelectedMode() const {
    if (IsDlgButtonChecked(hwnd(), IDC_CD_OPTCODE) == BST_CHECKED) return CoderMode::Code;
    if (IsDlgButtonChecked(hwnd(), IDC_CD_OPTDECODE) == BST_CHECKED) return CoderMode::Decode;
    return CoderMode::None;
}

void frmCodeDecode::cmdOK_Click() {
    const auto results = RunCoder(SelectedMode(), Text(IDC_CD_TXTINPUT), Text(IDC_CD_TXTKEY));
    if (!results) {
        prompts_.MsgBox(kCoderModeGuardMessage, u"", mb::OkOnly);
        return;
    }
    SetText(IDC_CD_TXTMETHOD1, Shown(results->method1));
    SetText(IDC_CD_TXTMETHOD2, Shown(results->method2));
    SetText(IDC_CD_TXTMETHOD3, Shown(results->method3));
}

void frmCodeDecode::Copy(int id) { CopyText(clipboard_, prompts_, Text(id)); }
void frmCodeDecode::cmdCopy1_Click() { Copy(IDC_CD_TXTMETHOD1); }
void frmCodeDecode::cmdCopy2_Click() { Copy(IDC_CD_TXTMETHOD2); }
void frmCodeDecode::cmdCopy3_Click() { Copy(IDC_CD_TXTMETHOD3); }

void frmCodeDecode::cmdExit_Click() { Unload(); }

bool frmCodeDecode::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;  // the edit boxes' notifications
    switch (id) {
    case IDC_CD_OPTCODE: optCode_Click(); break;
    case IDC_CD_OPTDECODE: optDecode_Click(); break;
    case IDC_CD_CMDOK:
    case IDOK: cmdOK_Click(); break;
    case IDC_CD_CMDCOPY1: cmdCopy1_Click(); break;
    case IDC_CD_CMDCOPY2: cmdCopy2_Click(); break;
    case IDC_CD_CMDCOPY3: cmdCopy3_Click(); break;
    case IDC_CD_CMDEXIT:
    case IDCANCEL: cmdExit_Click(); break;  // Esc
    default: return false;
    }
    return true;
}

HBRUSH frmCodeDecode::OnCtlColor(HDC dc, HWND control) {
    // Disabled and read-only edit boxes ask as statics, the enabled key box
    // as an edit: both come here.
    const KeyBoxLook* look = nullptr;
    HGDIOBJ brush = nullptr;
    if (control == Item(IDC_CD_TXTKEY)) {
        look = &keyLook_;
        brush = keyBrush_.get();
    } else if (control == Item(IDC_CD_TXTMETHOD1) || control == Item(IDC_CD_TXTMETHOD2) ||
               control == Item(IDC_CD_TXTMETHOD3)) {
        look = &kResultLook;
        brush = disabledBrush_.get();
    } else {
        return nullptr;
    }
    SetBkColor(dc, look->back);
    SetTextColor(dc, look->text);
    return static_cast<HBRUSH>(brush);
}

}  // namespace wf
