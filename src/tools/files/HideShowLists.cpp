#include "tools/files/HideShowLists.h"

#include <algorithm>

#include "tools/files/CaseFold.h"
#include "tools/files/modHideShowWin.h"

namespace wf {
namespace {

std::optional<std::u16string> SelectedText(TitleList& list) {
    const auto index = list.Selected();
    if (!index) return std::nullopt;
    return list.Text(*index);
}

}  // namespace

std::vector<TitleList::Entry> SortedEntries(const modWinList& list) {
    std::vector<TitleList::Entry> entries;
    entries.reserve(list.WinTitles.size());
    for (size_t i = 0; i < list.WinTitles.size(); ++i) entries.emplace_back(list.WinTitles[i], list.WinHandles[i]);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return LessNoCase(a.first, b.first); });
    return entries;
}

void SelectTitle(TitleList& list, const std::u16string& title) {
    const int n = list.Count();
    for (int i = 0; i < n; ++i) {
        if (list.Text(i) == title) {
            list.Select(i);
            return;
        }
    }
}

void HideShowLists::lblUpdate_Timer() {
    // A list that had no selection keeps none, even when a window titled
    // with blanks only stands in it as an empty entry.
    const auto visibleTitle = SelectedText(visible_);
    const auto hiddenTitle = SelectedText(hidden_);
    list_.BuildWinList(true, false, true);
    visible_.Fill(SortedEntries(list_));
    list_.BuildWinList(true, true, false);
    hidden_.Fill(SortedEntries(list_));
    if (visibleTitle) SelectTitle(visible_, *visibleTitle);
    if (hiddenTitle) SelectTitle(hidden_, *hiddenTitle);
}

void HideShowLists::Form_Load() {
    lblUpdate_Timer();
    if (visible_.Count() > 0) visible_.Select(0);
    if (hidden_.Count() > 0) hidden_.Select(0);
}

void HideShowLists::Move(TitleList& from, TitleList& to, int command) {
    // No entry chosen: no window is touched.
    const auto index = from.Selected();
    if (!index) return;
    const std::u16string title = from.Text(*index);
    const WindowHandle h = from.Data(*index);
    if (command == showcmd::Hide) {
        HideWin(windows_, h);
    } else {
        ShowWin(windows_, h);
    }
    lblUpdate_Timer();
    SelectTitle(to, title);
}

void HideShowLists::cmdHide_Click() { Move(visible_, hidden_, showcmd::Hide); }
void HideShowLists::cmdShow_Click() { Move(hidden_, visible_, showcmd::ShowNormal); }

}  // namespace wf
