#pragma once
#include "platform/Help.h"

namespace wf::win {

class Win32Help : public Help {
public:
    bool DisplayTopic(uintptr_t ownerWindow, std::u16string_view helpFile, std::u16string_view topic) override;
};

}  // namespace wf::win
