#pragma once
// Activating another program's window and typing into it.
#include <string_view>

namespace wf {

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Brings to the front the top-level window whose title equals `title`,
    // else one whose title begins with it; CommandError 5 when none does.
    virtual void AppActivate(std::u16string_view title) = 0;
    // Types `keys` (the notation of tools/text/KeyNotation.h) into the
    // foreground window and returns once that window has processed them.
    // A broken notation throws CommandError 5 before any key is sent.
    virtual void SendKeys(std::u16string_view keys) = 0;
};

}  // namespace wf
