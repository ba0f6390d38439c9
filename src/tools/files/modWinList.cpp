#include "tools/files/modWinList.h"

#include <limits>

namespace wf {

std::u16string TrimBlanks(const std::u16string& s) {
    const size_t first = s.find_first_not_of(u' ');
    if (first == std::u16string::npos) return {};
    return s.substr(first, s.find_last_not_of(u' ') - first + 1);
}

std::u16string modWinList::GetWinText(WindowHandle h) {
    const int n = windows_.TitleLength(h);
    return n > 0 ? windows_.Title(h, n) : std::u16string();
}

bool modWinList::Qualifies(WindowHandle h, const std::u16string& rawTitle, bool TitledOnly, bool IncludeHidden,
                           bool IncludeVisible) {
    if (rawTitle.empty() && TitledOnly) return false;
    const bool visible = windows_.Visible(h);
    if (!visible && !IncludeHidden) return false;
    return !visible || IncludeVisible;
}

bool modWinList::IsListedWindow(WindowHandle h, bool TitledOnly, bool IncludeHidden, bool IncludeVisible) {
    return Qualifies(h, GetWinText(h), TitledOnly, IncludeHidden, IncludeVisible);
}

void modWinList::BuildWinList(bool TitledOnly, bool IncludeHidden, bool IncludeVisible) {
    WinCount = 0;
    WinTitles.clear();
    WinHandles.clear();
    // A window list that changes under the walk could in principle lead back
    // to a window already passed; the walk never goes further than this.
    constexpr int kMaxSteps = 1 << 20;
    int steps = 0;
    for (WindowHandle h = windows_.Related(windows_.Desktop(), gw::Child); h != 0 && steps < kMaxSteps;
         h = windows_.Related(h, gw::Next), ++steps) {
        const std::u16string raw = GetWinText(h);
        if (!Qualifies(h, raw, TitledOnly, IncludeHidden, IncludeVisible)) continue;
        if (WinCount == std::numeric_limits<int16_t>::max()) break;
        ++WinCount;
        WinTitles.push_back(TrimBlanks(raw));
        WinHandles.push_back(h);
    }
}

}  // namespace wf
