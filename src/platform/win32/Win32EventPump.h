#pragma once
#include "platform/EventPump.h"
#include "platform/win32/Forms.h"

namespace wf::win {

class Win32EventPump : public EventPump {
public:
    explicit Win32EventPump(const Forms& forms) : forms_(forms) {}
    void DoEvents() override;

private:
    const Forms& forms_;
};

}  // namespace wf::win
