#include "tools/net/frmNetEnum.h"

#include <algorithm>
#include <vector>

#include "platform/win32/Handle.h"
#include "platform/win32/WinUtil.h"
#include "tools/net/NetEnum.h"
#include "tools/net/frmNetEnumIds.h"
#include "platform/win32/WideText.h"

namespace wf {

frmNetEnum::frmNetEnum(win::Forms& forms, Prompts& prompts, NetApi& net, OsTest isWinNT2000)
    : DialogForm(forms, IDD_FRMNETENUM), prompts_(prompts), net_(net), isWinNT2000_(std::move(isWinNT2000)) {}

void frmNetEnum::Form_Load() {
    HWND combo = Item(IDC_NE_CMBTYPES);
    for (const ComputerType& t : kComputerTypes) {
        const std::u16string caption(t.caption);
        const auto row = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(caption)));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(t.mask));
    }
    // A selection made here sends no notification: run the choice's handler,
    // so the window lists (or refuses) while it opens, as after a user's choice.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    cmbTypes_Click();
}

void frmNetEnum::cmbTypes_Click() { ListSelectedType(); }
void frmNetEnum::cmdList_Click() { ListSelectedType(); }
void frmNetEnum::cmdExit_Click() { Unload(); }

void frmNetEnum::ListSelectedType() {
    if (!isWinNT2000_()) {
        prompts_.MsgBox(kNtOnlyMessage, u"NetEnum", mb::Information);
        return;
    }
    const auto row = SendMessageW(Item(IDC_NE_CMBTYPES), CB_GETCURSEL, 0, 0);
    if (row == CB_ERR) return;
    const auto data = SendMessageW(Item(IDC_NE_CMBTYPES), CB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    ListComputersOfType(static_cast<uint32_t>(data));
}

size_t frmNetEnum::ListComputersOfType(uint32_t typeMask) {
    HWND list = Item(IDC_NE_LSTCOMPUTERS);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    std::vector<std::u16string> lines;
    {
        // The browse call blocks this window until it answers.
        const win::BusyCursor busy;
        lines = wf::ListComputersOfType(net_, typeMask);
    }
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const win::ScopeExit redraw([list] {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    });
    int widest = 0;
    {
        const win::WindowDC dc(list);
        const win::Selected font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
        for (const std::u16string& line : lines) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(line)));
            const DWORD extent = GetTabbedTextExtentW(dc.get(), win::W(line), static_cast<int>(line.size()), 0, nullptr);
            widest = std::max(widest, static_cast<int>(LOWORD(extent)));
        }
    }
    // Long names scroll sideways rather than being cut off.
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
    return lines.size();
}

bool frmNetEnum::OnCommand(int id, int notifyCode) {
    if (id == IDC_NE_CMBTYPES) {
        if (notifyCode == CBN_SELCHANGE) cmbTypes_Click();
        return true;
    }
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_NE_CMDLIST || id == IDOK) cmdList_Click();
    else if (id == IDC_NE_CMDEXIT || id == IDCANCEL) cmdExit_Click();
    return true;
}

}  // namespace wf
