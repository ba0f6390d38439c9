#pragma once
// A rich-text view whose text can be coloured by selection. Positions count
// characters, a line break counting one, as the view stores it.
#include <cstddef>
#include <string_view>

#include "common/Colour.h"

namespace wf {

class RichLog {
public:
    virtual ~RichLog() = default;
    virtual size_t TextLength() = 0;
    // Clamped to the text; the caret ends at start + length, in view.
    virtual void Select(size_t start, size_t length) = 0;
    virtual void ReplaceSelection(std::u16string_view text) = 0;
    virtual void ColourSelection(Colour colour) = 0;
    virtual void SetText(std::u16string_view text) = 0;
};

}  // namespace wf
