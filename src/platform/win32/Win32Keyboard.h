#pragma once
#include <windows.h>

#include "platform/EventPump.h"
#include "platform/Keyboard.h"

namespace wf::win {

// Activation through the window list; keys injected with SendInput.
class Win32Keyboard : public Keyboard {
public:
    explicit Win32Keyboard(EventPump& pump) : pump_(pump) {}
    void AppActivate(std::u16string_view title) override;
    void SendKeys(std::u16string_view keys) override;

private:
    // Until the marker key is seen down (or up), boundedly.
    void WaitForMarker(bool down);

    EventPump& pump_;  // runs our own windows when the keys are for them
};

}  // namespace wf::win
