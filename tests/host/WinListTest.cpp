// modWinList and the hide/show lists over a fake desktop.
#include <gtest/gtest.h>

#include "fakes/FakeFileTools.h"
#include "tools/files/HideShowLists.h"
#include "tools/files/modWinList.h"

namespace wf {
namespace {

TEST(WinList, IsListedWindowTestsTitleThenHiddenThenVisibleAndStopsAtTheFirstFailure) {
    test::FakeWindowList desk;
    desk.windows = {{1, u"", true}, {2, u" ", false}, {3, u"T", true}};
    modWinList list(desk);
    // handle, TitledOnly, IncludeHidden, IncludeVisible, listed, the queries made
    for (const auto& [h, titled, hidden, visible, listed, calls] : std::vector<std::tuple<WindowHandle, bool, bool, bool, bool, std::string>>{
             {1, true, true, true, false, "l"}, {1, false, false, true, true, "lv"}, {2, true, false, true, false, "ltv"},
             {2, true, true, false, true, "ltv"}, {3, true, true, false, false, "ltv"}, {3, true, false, true, true, "ltv"}}) {
        desk.calls.clear();
        EXPECT_EQ(list.IsListedWindow(h, titled, hidden, visible), listed) << h;
        EXPECT_EQ(desk.calls, calls) << h;
    }
}

TEST(WinList, BuildWinListKeepsZOrderTrimsTitlesAndListsEachWindowOfATitle) {
    test::FakeWindowList desk;
    const WindowHandle big = WindowHandle{0x7FFF12345678};  // a 64-bit handle
    desk.windows = {{big, u"  Same ", true}, {5, u"", true},        {6, u"Hidden", false},
                    {7, u"Same", true},      {8, u"   ", true},     {9, u"Off  x", false}};
    modWinList list(desk);
    list.BuildWinList(true, false, true);
    EXPECT_EQ(list.WinTitles, (std::vector<std::u16string>{u"Same", u"Same", u""}));
    EXPECT_EQ(list.WinHandles, (std::vector<WindowHandle>{big, 7, 8}));
    list.BuildWinList(true, true, false);  // each build starts afresh
    EXPECT_EQ(list.WinTitles, (std::vector<std::u16string>{u"Hidden", u"Off  x"}));
    EXPECT_EQ(list.WinCount, 2);
}

// A list box kept in the order given, as the window's lists are.
struct FakeTitles : TitleList {
    std::vector<Entry> entries;
    std::optional<int> selected;
    int fills = 0;
    void Fill(const std::vector<Entry>& e) override { entries = e, selected.reset(), ++fills; }
    int Count() override { return static_cast<int>(entries.size()); }
    std::u16string Text(int i) override { return entries.at(static_cast<size_t>(i)).first; }
    std::optional<int> Selected() override { return selected; }
    WindowHandle Data(int i) override { return entries.at(static_cast<size_t>(i)).second; }
    void Select(int i) override { selected = i; }
    std::u16string Shown() {
        std::u16string s;
        for (int i = 0; i < Count(); ++i) s += (selected == i ? u"*" : u"") + Text(i) + u";";
        return s;
    }
};

TEST(HideShow, TheRefreshKeepsEachSelectionByExactTitleAndHideOrShowNeedAnEntry) {
    test::FakeWindowList desk;
    FakeTitles visible, hidden;
    HideShowLists lists(desk, visible, hidden);
    desk.windows = {{0x7FFF00000011, u"zeta", true}, {12, u"Alpha", true}, {13, u"alpha", true},
                    {14, u"Alpha", false}, {15, u"Main Window", false}};
    lists.Form_Load();
    EXPECT_EQ(visible.Shown() + u"|" + hidden.Shown(), u"*Alpha;alpha;zeta;|*Alpha;Main Window;");
    EXPECT_EQ(visible.Data(2), WindowHandle{0x7FFF00000011}) << "a 64-bit handle survives";
    EXPECT_EQ(visible.fills + hidden.fills, 2) << "each list is filled once a refresh";

    visible.Select(1);  // "alpha": "Alpha" without regard to case, but not the same text
    hidden.Select(1);
    desk.windows[0].title = u"Alpha";
    desk.windows.erase(desk.windows.begin() + 4);  // Main Window destroyed
    desk.windows.push_back({20, u"  ", false});
    lists.lblUpdate_Timer();
    EXPECT_EQ(visible.Shown() + u"|" + hidden.Shown(), u"Alpha;Alpha;*alpha;|;Alpha;")
        << "a gone title leaves no selection, not even on the blank entry";

    desk.calls.clear();
    lists.cmdShow_Click();  // nothing chosen in the hidden list
    hidden.Select(1);
    lists.cmdShow_Click();
    EXPECT_EQ(std::count(desk.calls.begin(), desk.calls.end(), '1'), 1) << "one window shown";
    EXPECT_TRUE(desk.Find(14)->visible);
    EXPECT_EQ(visible.Shown(), u"*Alpha;Alpha;alpha;Alpha;") << "the first entry of the title; same titles in Z-order";
}

}  // namespace
}  // namespace wf
