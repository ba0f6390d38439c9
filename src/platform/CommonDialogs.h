#pragma once
// The standard file and colour dialogs, behind an interface so that tests
// can answer them.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Colour.h"

namespace wf {

// Anything with a background colour the colour dialog can set: a button whose
// face the program draws, a label, a box.
class ColourTarget {
public:
    virtual ~ColourTarget() = default;
    virtual Colour BackColor() const = 0;
    virtual void SetBackColor(Colour colour) = 0;
};

class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // openFlag 1 is the open dialog, anything else the save dialog. The filter
    // is description/pattern pairs, each followed by a NUL ("Programs\0*.exe\0").
    // Returns the chosen path, or an empty text after Cancel or failure.
    virtual std::u16string ShowOpenSaveDialog(uintptr_t owner, int16_t openFlag, std::u16string_view title,
                                              std::u16string_view initialFile, std::u16string_view filter,
                                              std::u16string_view initialDir, std::u16string_view defaultExt) = 0;
    // On OK sets the control's background colour and returns true.
    virtual bool ShowColorDialog(uintptr_t owner, ColourTarget& control) = 0;
};

}  // namespace wf
