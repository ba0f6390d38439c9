#pragma once
// modWinList: the desktop's qualifying top-level windows, in Z-order.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/WindowList.h"

namespace wf {

class modWinList {
public:
    explicit modWinList(WindowList& windows) : windows_(windows) {}

    // Refills WinCount, WinTitles and WinHandles (index 0 is the topmost).
    void BuildWinList(bool TitledOnly, bool IncludeHidden, bool IncludeVisible);
    // The title as tested is the untrimmed one; the tests stop at the first
    // that fails: title, then hidden, then visible.
    bool IsListedWindow(WindowHandle h, bool TitledOnly, bool IncludeHidden, bool IncludeVisible);
    std::u16string GetWinText(WindowHandle h);

    // The count is 16-bit: the list ends at its largest value.
    int16_t WinCount = 0;
    std::vector<std::u16string> WinTitles;  // leading and trailing blanks removed
    std::vector<WindowHandle> WinHandles;

private:
    bool Qualifies(WindowHandle h, const std::u16string& rawTitle, bool TitledOnly, bool IncludeHidden,
                   bool IncludeVisible);

    WindowList& windows_;
};

// Leading and trailing blanks (spaces only) removed.
std::u16string TrimBlanks(const std::u16string& s);

}  // namespace wf
