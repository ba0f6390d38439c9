#include "platform/win32/Win32Prompts.h"

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/InputBoxIds.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"

namespace wf::win {

namespace {

struct InputBoxState {
    std::u16string prompt, title, text;
};

INT_PTR CALLBACK InputBoxProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        state = reinterpret_cast<InputBoxState*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        SetWindowTextW(dlg, W(state->title));
        SetDlgItemTextW(dlg, IDC_INPUT_PROMPT, W(state->prompt));
        SetDlgItemTextW(dlg, IDC_INPUT_TEXT, W(state->text));
        SendDlgItemMessageW(dlg, IDC_INPUT_TEXT, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dlg, IDC_INPUT_TEXT));
        SetForegroundWindow(dlg);  // asked from the tray, the program may not be in front
        return FALSE;  // focus set by hand
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) {
            state->text = WindowText(GetDlgItem(dlg, IDC_INPUT_TEXT));
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wp) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

int Win32Prompts::MsgBox(std::u16string_view text, std::u16string_view title, int style) {
    const std::u16string t(text);
    const std::u16string c = title.empty() ? std::u16string(u"Wrenfold") : std::u16string(title);
    // No owner: the prompt belongs to the tray program, so let it come to the
    // front; task-modal: every window of this thread is disabled meanwhile.
    return MessageBoxW(nullptr, W(t), W(c), static_cast<UINT>(style) | MB_TASKMODAL | MB_SETFOREGROUND);
}

std::u16string Win32Prompts::InputBox(std::u16string_view prompt, std::u16string_view title,
                                      std::u16string_view defaultText) {
    InputBoxState state{std::u16string(prompt),
                        title.empty() ? std::u16string(u"Wrenfold") : std::u16string(title),
                        std::u16string(defaultText)};
    const ThreadModal modal;
    const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUTBOX), nullptr,
                                      InputBoxProc, reinterpret_cast<LPARAM>(&state));
    return r == IDOK ? state.text : std::u16string();
}

}  // namespace wf::win
