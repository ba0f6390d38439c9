#pragma once
#include "platform/CommonDialogs.h"

namespace wf::win {

class Win32CommonDialogs : public CommonDialogs {
public:
    std::u16string ShowOpenSaveDialog(uintptr_t owner, int16_t openFlag, std::u16string_view title,
                                      std::u16string_view initialFile, std::u16string_view filter,
                                      std::u16string_view initialDir, std::u16string_view defaultExt) override;
    bool ShowColorDialog(uintptr_t owner, ColourTarget& control) override;
};

}  // namespace wf::win
