#pragma once
#include <cstdint>
#include <string_view>

namespace wf {

class Help {
public:
    virtual ~Help() = default;
    // Shows a topic of an HTML Help file; false when it cannot be shown.
    virtual bool DisplayTopic(uintptr_t ownerWindow, std::u16string_view helpFile,
                              std::u16string_view topic) = 0;
};

}  // namespace wf
