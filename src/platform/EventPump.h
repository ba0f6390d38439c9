#pragma once

namespace wf {

// Lets pending window events run from inside a long loop on the UI thread.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void DoEvents() = 0;
};

}  // namespace wf
