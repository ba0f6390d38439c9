#pragma once
#include "platform/Speech.h"

namespace wf::win {

// The speech API Windows ships (SAPI 5's voice object). It has no
// registration step, so Register does nothing; Speak is asynchronous and
// Stop purges whatever is being spoken or queued.
class Win32SpeechEngine : public SpeechEngine {
public:
    std::unique_ptr<SpeechVoice> CreateVoice() override;
};

}  // namespace wf::win
