#pragma once
// The generator's operating-system services on Windows: the page file and
// the clock with the user's regional formats.
#include "asciipic/PageOutput.h"
#include "asciipic/PictureWriter.h"

namespace wf::win {

class Win32OutputFiles : public OutputFiles {
public:
    std::unique_ptr<TextSink> CreateForOutput(std::u16string_view path) override;
};

class Win32ClockLocale : public ClockLocale {
public:
    uint64_t Milliseconds() override;
    std::u16string NowText() override;
    std::u16string DecimalSeparator() override;
};

}  // namespace wf::win
