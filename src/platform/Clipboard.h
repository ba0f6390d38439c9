#pragma once
#include <string_view>

namespace wf {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's contents with the text.
    virtual void SetText(std::u16string_view text) = 0;
};

}  // namespace wf
