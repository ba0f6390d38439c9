#include "platform/win32/Win32CommonDialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <array>
#include <cwchar>

#include "common/modCommDlgs.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"

namespace wf::win {

static_assert(ofn::HideReadOnly == OFN_HIDEREADONLY && ofn::OverwritePrompt == OFN_OVERWRITEPROMPT &&
              ofn::PathMustExist == OFN_PATHMUSTEXIST && ofn::FileMustExist == OFN_FILEMUSTEXIST);
static_assert(kSolidColoursOnly == CC_SOLIDCOLOR);

namespace {

// Wine's file dialog joins its folder and the typed name in a buffer of
// MAX_PATH characters and overruns it, ending the process, when Open is
// pressed on a longer path. There, Open is checked first: such a path could
// not come back through the name buffer anyway.
bool UnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

constexpr wchar_t kDialogProc[] = L"Wrenfold.FileDialogProc";

bool TypedPathTooLong(HWND dlg) {
    HWND name = GetDlgItem(dlg, cmb13);
    if (!name || !IsWindowVisible(name)) name = GetDlgItem(dlg, edt1);
    const size_t typed = static_cast<size_t>(GetWindowTextLengthW(name));
    std::array<wchar_t, MAX_PATH> folder{};
    SendMessageW(dlg, CDM_GETFOLDERPATH, folder.size(), reinterpret_cast<LPARAM>(folder.data()));
    const std::u16string text = WindowText(name);
    const bool absolute = text.starts_with(u"\\") || (text.size() > 1 && text[1] == u':');
    return (absolute ? typed : wcslen(folder.data()) + 1 + typed) >= kFileBufferChars;
}

LRESULT CALLBACK CheckedOpenProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(dlg, kDialogProc));
    if (msg == WM_COMMAND && LOWORD(wp) == IDOK && TypedPathTooLong(dlg)) {
        const std::u16string text = SystemMessage(ERROR_FILENAME_EXCED_RANGE), title = WindowText(dlg);
        MessageBoxW(dlg, W(text), W(title), MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(dlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(dlg, kDialogProc);
    }
    return CallWindowProcW(previous, dlg, msg, wp, lp);
}

// The hook's own (empty) child dialog is created inside the real one.
UINT_PTR CALLBACK FileDialogHook(HWND child, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_INITDIALOG) {
        HWND dlg = GetParent(child);
        SetPropW(dlg, kDialogProc, reinterpret_cast<HANDLE>(GetWindowLongPtrW(dlg, GWLP_WNDPROC)));
        SetWindowLongPtrW(dlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckedOpenProc));
    }
    return 0;
}

}  // namespace

std::u16string Win32CommonDialogs::ShowOpenSaveDialog(uintptr_t owner, int16_t openFlag, std::u16string_view title,
                                                      std::u16string_view initialFile, std::u16string_view filter,
                                                      std::u16string_view initialDir,
                                                      std::u16string_view defaultExt) {
    std::u16string file = FileNameBuffer(initialFile);
    std::u16string fileTitle(kFileBufferChars, u'\0');
    const std::u16string filterText = DialogFilter(filter);
    const std::u16string titleText(title), dirText(initialDir), extText(defaultExt);

    OPENFILENAMEW ofn{};
    // The classic record without the Windows 2000 tail, as the dialog's
    // oldest callers filled it.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    ofn.hwndOwner = reinterpret_cast<HWND>(owner);
    ofn.lpstrFilter = W(filterText);
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = reinterpret_cast<wchar_t*>(file.data());
    ofn.nMaxFile = kFileBufferChars;
    ofn.lpstrFileTitle = reinterpret_cast<wchar_t*>(fileTitle.data());
    ofn.nMaxFileTitle = kFileBufferChars;
    ofn.lpstrInitialDir = dirText.empty() ? nullptr : W(dirText);
    ofn.lpstrTitle = W(titleText);
    ofn.lpstrDefExt = extText.empty() ? nullptr : W(extText);
    const bool open = openFlag == 1;
    ofn.Flags = open ? kOpenFlags : kSaveFlags;
    if (UnderWine()) {
        // A hook elsewhere would trade Windows' own dialog for the old one.
        ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
        ofn.lpfnHook = FileDialogHook;
    }
    const ThreadModal modal;  // the owner alone would leave the other windows live
    const BOOL ok = open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    return ok ? FileNameFromBuffer(file) : std::u16string();
}

bool Win32CommonDialogs::ShowColorDialog(uintptr_t owner, ColourTarget& control) {
    std::array<COLORREF, 16> custom{};  // fresh and black every time
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = reinterpret_cast<HWND>(owner);
    cc.hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
    cc.rgbResult = 0;
    cc.lpCustColors = custom.data();
    cc.Flags = kColourFlags;
    const ThreadModal modal;
    if (!ChooseColorW(&cc)) return false;
    control.SetBackColor(cc.rgbResult);
    return true;
}

}  // namespace wf::win
