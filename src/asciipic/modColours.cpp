#include "asciipic/modColours.h"

namespace wf {

std::u16string HTMLColour(Colour colour) {
    char digits[6];
    HTMLColourDigits(colour, digits);
    return std::u16string(digits, digits + 6);
}

}  // namespace wf
