#include "platform/win32/Win32CommonDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <array>

#include "common/modCommDlgs.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"

namespace wf::win {

static_assert(ofn::HideReadOnly == OFN_HIDEREADONLY && ofn::OverwritePrompt == OFN_OVERWRITEPROMPT &&
              ofn::PathMustExist == OFN_PATHMUSTEXIST && ofn::FileMustExist == OFN_FILEMUSTEXIST);
static_assert(kSolidColoursOnly == CC_SOLIDCOLOR);

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
