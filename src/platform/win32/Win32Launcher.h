#pragma once
#include "platform/Launcher.h"

namespace wf::win {

class Win32Launcher : public Launcher {
public:
    void Start(std::u16string_view commandLine, int windowStyle) override;
};

}  // namespace wf::win
