#pragma once
// The behaviour of "Window Hide and Show" apart from its window: the two
// sorted lists, their refresh that keeps each selection by title, and the
// Hide and Show buttons.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/WindowList.h"
#include "tools/files/modWinList.h"

namespace wf {

// A list box of titles, each entry carrying its window's handle.
class TitleList {
public:
    using Entry = std::pair<std::u16string, WindowHandle>;
    virtual ~TitleList() = default;
    // Replaces the whole contents by `entries`, already in order, and
    // redraws once. The selection goes.
    virtual void Fill(const std::vector<Entry>& entries) = 0;
    virtual int Count() = 0;
    virtual std::u16string Text(int index) = 0;
    virtual std::optional<int> Selected() = 0;
    virtual WindowHandle Data(int index) = 0;
    virtual void Select(int index) = 0;
};

// The entries in list order: by title without regard to case; windows of
// the same title keep their Z-order.
std::vector<TitleList::Entry> SortedEntries(const modWinList& list);

class HideShowLists {
public:
    HideShowLists(WindowList& windows, TitleList& visible, TitleList& hidden)
        : windows_(windows), list_(windows), visible_(visible), hidden_(hidden) {}

    void Form_Load();
    void lblUpdate_Timer();
    void cmdHide_Click();
    void cmdShow_Click();

private:
    void Move(TitleList& from, TitleList& to, int command);

    WindowList& windows_;
    modWinList list_;
    TitleList& visible_;
    TitleList& hidden_;
};

// Selects the first entry whose text is `title`; none when there is none.
void SelectTitle(TitleList& list, const std::u16string& title);

}  // namespace wf
