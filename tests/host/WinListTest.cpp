// modWinList and the hide/show lists over a fake desktop.
#include <gtest/gtest.h>

#include "fakes/FakeFileTools.h"
#include "tools/files/HideShowLists.h"
#include "tools/files/modWinList.h"

namespace wf {
namespace {

using Calls = std::vector<std::string>;

TEST(WinList, IsListedWindowTestsTitleThenHiddenThenVisibleAndStopsAtTheFirstFailure) {
    test::FakeWindowList desk;
    desk.windows = {{1, u"", true}, {2, u" ", false}, {3, u"T", true}};
    modWinList list(desk);
    struct Case {
        WindowHandle h;
        bool titled, hidden, visible, listed;
        Calls calls;
    };
    for (const Case& c : std::vector<Case>{
             {1, true, true, true, false, {"length"}},
             {1, false, false, true, true, {"length", "visible"}},
             {2, true, false, true, false, {"length", "title", "visible"}},
             {2, true, true, false, true, {"length", "title", "visible"}},
             {3, true, true, false, false, {"length", "title", "visible"}},
             {3, true, false, true, true, {"length", "title", "visible"}}}) {
        desk.calls.clear();
        EXPECT_EQ(list.IsListedWindow(c.h, c.titled, c.hidden, c.visible), c.listed) << c.h;
        EXPECT_EQ(desk.calls, c.calls) << c.h;
    }
}

TEST(WinList, BuildWinListKeepsZOrderTrimsTitlesAndListsEachWindowOfATitle) {
    test::FakeWindowList desk;
    const WindowHandle big = WindowHandle{0x7FFF12345678};  // a 64-bit handle
    desk.windows = {{big, u"  Same ", true}, {5, u"", true},        {6, u"Hidden", false},
                    {7, u"Same", true},      {8, u"   ", true},     {9, u"Off  x", false}};
    modWinList list(desk);
    list.BuildWinList(true, false, true);
    EXPECT_EQ(list.WinCount, 3);
    EXPECT_EQ(list.WinTitles, (std::vector<std::u16string>{u"Same", u"Same", u""}));
    EXPECT_EQ(list.WinHandles, (std::vector<WindowHandle>{big, 7, 8}));
    list.BuildWinList(true, true, false);
    EXPECT_EQ(list.WinTitles, (std::vector<std::u16string>{u"Hidden", u"Off  x"}));
    list.BuildWinList(false, true, true);
    EXPECT_EQ(list.WinCount, 6);
    desk.windows.clear();
    list.BuildWinList(true, true, true);
    EXPECT_EQ(list.WinCount, 0);
    EXPECT_TRUE(list.WinTitles.empty());
}

// A list box kept in the order given, as the window's lists are.
struct FakeTitles : TitleList {
    std::vector<Entry> entries;
    std::optional<int> selected;
    int fills = 0;
    void Fill(const std::vector<Entry>& e) override {
        entries = e;
        selected.reset();
        ++fills;
    }
    int Count() override { return static_cast<int>(entries.size()); }
    std::u16string Text(int i) override { return entries.at(static_cast<size_t>(i)).first; }
    std::optional<int> Selected() override { return selected; }
    WindowHandle Data(int i) override { return entries.at(static_cast<size_t>(i)).second; }
    void Select(int i) override { selected = i; }
    std::u16string SelectedText() { return selected ? Text(*selected) : u"<none>"; }
};

struct HideShow : ::testing::Test {
    test::FakeWindowList desk;
    FakeTitles visible, hidden;
    HideShowLists lists{desk, visible, hidden};
    void SetUp() override {
        desk.windows = {{0x7FFF00000011, u"zeta", true}, {12, u"Alpha", true}, {13, u"alpha", true},
                        {14, u"Alpha", false},            {15, u"Main Window", false}};
    }
    std::vector<std::u16string> Titles(FakeTitles& l) {
        std::vector<std::u16string> t;
        for (auto& e : l.entries) t.push_back(e.first);
        return t;
    }
};

TEST_F(HideShow, StartUpSortsBothListsWithoutCaseAndSelectsTheirFirstEntries) {
    lists.Form_Load();
    EXPECT_EQ(Titles(visible), (std::vector<std::u16string>{u"Alpha", u"alpha", u"zeta"}));
    EXPECT_EQ(visible.entries[2].second, WindowHandle{0x7FFF00000011});
    EXPECT_EQ(Titles(hidden), (std::vector<std::u16string>{u"Alpha", u"Main Window"}));
    EXPECT_EQ(visible.selected, 0);
    EXPECT_EQ(hidden.selected, 0);
    EXPECT_EQ(visible.fills + hidden.fills, 2) << "each list is filled once a refresh";

    // An empty desktop: no selection, and Hide and Show touch nothing.
    desk.windows.clear();
    HideShowLists empty(desk, visible, hidden);
    empty.Form_Load();
    desk.calls.clear();
    empty.cmdHide_Click();
    empty.cmdShow_Click();
    EXPECT_FALSE(visible.selected || hidden.selected);
    EXPECT_EQ(std::count(desk.calls.begin(), desk.calls.end(), "show 0") +
                  std::count(desk.calls.begin(), desk.calls.end(), "show 1"),
              0);
}

TEST_F(HideShow, TheRefreshKeepsEachSelectionByTitleAndDropsAGoneOne) {
    lists.Form_Load();
    visible.Select(1);  // "alpha": the same title as "Alpha" without regard to case, but not the same text
    hidden.Select(1);
    desk.windows[0].title = u"Alpha";   // zeta renamed; still sorts among the Alphas
    desk.windows.erase(desk.windows.begin() + 4);  // Main Window destroyed
    lists.lblUpdate_Timer();
    EXPECT_EQ(Titles(visible), (std::vector<std::u16string>{u"Alpha", u"Alpha", u"alpha"}));
    EXPECT_EQ(visible.SelectedText(), u"alpha");
    EXPECT_EQ(hidden.SelectedText(), u"<none>");

    // A list without selection keeps none, even with a blank entry that reads empty.
    desk.windows.push_back({20, u"  ", false});
    lists.lblUpdate_Timer();
    EXPECT_EQ(Titles(hidden), (std::vector<std::u16string>{u"", u"Alpha"}));
    EXPECT_EQ(hidden.SelectedText(), u"<none>");
}

TEST_F(HideShow, HideAndShowMoveTheWindowAndSelectItsTitleInTheOtherList) {
    lists.Form_Load();
    visible.Select(2);  // zeta, with its 64-bit handle
    lists.cmdHide_Click();
    EXPECT_FALSE(desk.windows[0].visible);
    EXPECT_EQ(Titles(hidden), (std::vector<std::u16string>{u"Alpha", u"Main Window", u"zeta"}));
    EXPECT_EQ(hidden.SelectedText(), u"zeta");

    hidden.Select(0);  // the hidden "Alpha" (14); the visible one (12) has the same title
    lists.cmdShow_Click();
    EXPECT_TRUE(desk.windows[3].visible);
    EXPECT_TRUE(desk.windows[1].visible);
    EXPECT_EQ(visible.SelectedText(), u"Alpha");
    EXPECT_EQ(visible.selected, 0) << "the first entry of that title";
    EXPECT_EQ(Titles(visible).size(), 3u);
}

}  // namespace
}  // namespace wf
