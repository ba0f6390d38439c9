#include "tools/text/frmNumberConv.h"

#include <string>

#include "common/Colour.h"
#include "platform/win32/Handle.h"
#include "tools/text/frmNumberConvIds.h"

namespace wf {
namespace {

bool IsOption(int id, int baseId) { return id >= baseId + base::Binary && id <= baseId + base::Octal; }

// lblOutput wears the window background so it reads like a box.
const int kOutputBackIndex = static_cast<int>(SystemColourIndex(kWindowBackground));

}  // namespace

frmNumberConv::frmNumberConv(win::Forms& forms, Prompts& prompts)
    : DialogForm(forms, IDD_FRMNUMBERCONV), prompts_(prompts) {}

void frmNumberConv::Form_Load() {
    InputType_ = base::Decimal;
    OutputType_ = base::Decimal;
    CheckRadioButton(hwnd(), IDC_NC_OPTINPUTTYPE_BASE + base::Binary, IDC_NC_OPTINPUTTYPE_BASE + base::Octal,
                     IDC_NC_OPTINPUTTYPE_BASE + InputType_);
    CheckRadioButton(hwnd(), IDC_NC_OPTOUTPUTTYPE_BASE + base::Binary, IDC_NC_OPTOUTPUTTYPE_BASE + base::Octal,
                     IDC_NC_OPTOUTPUTTYPE_BASE + OutputType_);
}

void frmNumberConv::optInputType_Click(int Index) { InputType_ = Index; }
void frmNumberConv::optOutputType_Click(int Index) { OutputType_ = Index; }

void frmNumberConv::cmdConvert_Click() {
    if (converting_) return;
    SetText(IDC_NC_LBLOUTPUT, u"");
    std::u16string output;
    {
        converting_ = true;
        const win::ScopeExit done([this] { converting_ = false; });
        output = ConvertNumber(prompts_, Text(IDC_NC_TXTINPUT), InputType_, OutputType_);
    }
    SetText(IDC_NC_LBLOUTPUT, output);
    if (unloadPending_) Unload();  // last: this may delete the window
}

void frmNumberConv::cmdExit_Click() {
    if (converting_) {
        unloadPending_ = true;
        return;
    }
    Unload();
}

bool frmNumberConv::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;  // the input box's notifications
    if (IsOption(id, IDC_NC_OPTINPUTTYPE_BASE)) {
        optInputType_Click(id - IDC_NC_OPTINPUTTYPE_BASE);
    } else if (IsOption(id, IDC_NC_OPTOUTPUTTYPE_BASE)) {
        optOutputType_Click(id - IDC_NC_OPTOUTPUTTYPE_BASE);
    } else if (id == IDC_NC_CMDCONVERT || id == IDOK) {
        cmdConvert_Click();
    } else if (id == IDC_NC_CMDEXIT) {
        cmdExit_Click();
    }  // Esc: Exit is no cancel button here
    return true;
}

bool frmNumberConv::OnClose() {
    if (!converting_) return true;
    unloadPending_ = true;
    return false;
}

HBRUSH frmNumberConv::OnCtlColor(HDC dc, HWND control) {
    if (control != Item(IDC_NC_LBLOUTPUT)) return nullptr;
    SetBkColor(dc, GetSysColor(kOutputBackIndex));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return GetSysColorBrush(kOutputBackIndex);
}

}  // namespace wf
