#pragma once
#include "platform/Clipboard.h"

namespace wf::win {

class Win32Clipboard : public Clipboard {
public:
    bool SetText(std::u16string_view text) override;
};

}  // namespace wf::win
