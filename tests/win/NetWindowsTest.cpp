// The five network windows as real (headless) windows driven through their
// controls, over fake services: captions, keys, every message and status.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/Text.h"
#include "fakes/FakeMailslots.h"
#include "fakes/FakeNetApi.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeSockets.h"
#include "platform/win32/Forms.h"
#include "tools/net/frmHostFromIP.h"
#include "tools/net/frmHostFromIPIds.h"
#include "tools/net/frmIPFromHost.h"
#include "tools/net/frmIPFromHostIds.h"
#include "tools/net/frmMessages.h"
#include "tools/net/frmMessagesIds.h"
#include "tools/net/frmNetEnum.h"
#include "tools/net/frmNetEnumIds.h"
#include "tools/net/frmUserInfo.h"
#include "tools/net/frmUserInfoIds.h"
#include "win/NetWindowFixture.h"

namespace wf {
namespace {

using namespace std::string_literals;
const std::u16string kRefusal = u"Sorry, this feature is only available to Windows NT / 2000 / XP users!";

struct NetWindows : test::NetWindowFixture {
    test::FakePrompts prompts;
    test::FakeMailslots slots;
    test::FakeSockets sockets;
    test::FakeNetApi net;
    bool nt = true;
    int osAsked = 0;
    OsTest os = [this] { ++osAsked; return nt; };

    void SetUp() override {
        prompts.answers.assign(20, answer::Ok);
        sockets.addresses = {{"127.0.0.1", 0x0100007Fu}};
        sockets.byAddress[0x0100007Fu] = {"loopback.host", {"\x7F\0\0\x01"s}};
        sockets.byName["localhost"] = {"localhost", {"\x7F\0\0\x01"s}};
    }
    // "title|text|style" of each message shown so far, then forgets them.
    std::vector<std::u16string> Shown() {
        std::vector<std::u16string> all;
        for (const auto& m : prompts.messages) all.push_back(m.title + u"|" + m.text + u"|" + ToU16(std::to_string(m.style)));
        prompts.messages.clear();
        return all;
    }
    void OpenUserInfo() {
        dlg = forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, u"jane", u"PC1").hwnd();
    }
    std::u16string UserBoxes() const {
        return Get(IDC_UI_TXTINFONAME) + u"|" + Get(IDC_UI_TXTINFOFULL) + u"|" + Get(IDC_UI_TXTINFOSERVERCOMMENTS) +
               u"|" + Get(IDC_UI_TXTINFOUSERCOMMENTS);
    }
};

TEST_F(NetWindows, EachOpensWithItsCaptionsDefaultButtonAndEscape) {
    net.servers = {0, {{500, u"PC1", 5, 1}}};
    const struct { std::function<HWND()> open; std::u16string texts; int defId; bool escCloses; } windows[] = {
        {[&] { return forms.Open<frmMessages>("frmMessages", slots).hwnd(); },
         u"Send a message|From:||To:||Message:||Ready.|Send it|Cancel", IDOK, false},  // no default button
        {[&] { return forms.Open<frmIPFromHost>("frmIPFromHost", prompts, sockets).hwnd(); },
         u"IP From Hostname|Host name:||IP address: |Get IP addr|Exit", IDC_IH_CMDGETIPADDR, true},
        {[&] { return forms.Open<frmHostFromIP>("frmHostFromIP", prompts, sockets).hwnd(); },
         u"Host Name From IP|IP address:||Host name returned:|Get host name|Exit", IDC_HI_CMDGETHOST, true},
        {[&] { return forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd(); },
         u"Network computer list|All servers||Get list|Exit", IDC_NE_CMDLIST, true},
        {[&] { return forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, u"jane", u"PC1").hwnd(); },
         u"Get user info|User name:|jane|Server name:|PC1|Get user's info|Exit|User info|User's name:||Full name:||"
         u"Server comments:||User comments:|",
         IDC_UI_CMDGETINFO, true}};
    for (const auto& w : windows) {
        dlg = w.open();
        EXPECT_EQ(Texts(), w.texts);
        const LRESULT def = SendMessageW(dlg, DM_GETDEFID, 0, 0);
        EXPECT_EQ(HIWORD(def) == DC_HASDEFID ? LOWORD(def) : 0, w.defId) << ToUtf8(Texts());
        PressKey(GetNextDlgTabItem(dlg, nullptr, FALSE), VK_ESCAPE);
        EXPECT_EQ(!IsWindow(dlg), w.escCloses) << ToUtf8(w.texts);
        if (IsWindow(dlg)) Click(IDC_MS_TXTCANCEL);
        EXPECT_TRUE(forms.Loaded().empty());
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(NetWindows, SendShowsEachStatusAndTheCloseButtonBecomesExitEvenAfterARefusal) {
    dlg = forms.Open<frmMessages>("frmMessages", slots).hwnd();
    Put(IDC_MS_TXTFROM, u"A");
    Put(IDC_MS_TXTTO, u"PC1");
    Click(IDC_MS_TXTSEND);
    EXPECT_EQ(Get(IDC_MS_LBLSTATUS) + u"|" + Get(IDC_MS_TXTCANCEL), u"No message specified; nothing to do.|&Exit");
    EXPECT_TRUE(slots.sent.empty());
    Put(IDC_MS_TXTMESSAGE, u"one\r\ntwo");
    const struct { bool opens, writes; size_t shortBy; std::u16string status; } cases[] = {
        {true, true, 0, u"The message was successfully sent."},
        {true, true, 2, u"Message sent but bytes written <> message size."},
        {true, false, 0, u"Error writing the message."}, {false, true, 0, u"Error writing the message."}};
    for (const auto& c : cases) {
        std::tie(slots.opens, slots.writes, slots.shortBy) = std::tie(c.opens, c.writes, c.shortBy);
        Click(IDC_MS_TXTSEND);
        EXPECT_EQ(Get(IDC_MS_LBLSTATUS), c.status);
    }
    EXPECT_EQ(slots.sent.back().bytes, "A\0PC1\0one\r\ntwo\0\0"s);
    EXPECT_EQ(Get(IDC_MS_TXTFROM) + Get(IDC_MS_TXTTO), u"APC1") << "the boxes keep what was typed";
    EXPECT_TRUE(PressKey(IDC_MS_TXTTO, VK_RETURN) && IsWindow(dlg) && slots.sent.size() == 4) << "Enter sends nothing";
    Click(IDC_MS_TXTCANCEL);
    EXPECT_FALSE(IsWindow(dlg));
}

TEST_F(NetWindows, LookupsSetTheirLabelsInTheRunTimeCaseAndShowEveryMessage) {
    const struct { bool byName; std::u16string input; int startup, cleanup; std::u16string label;
                   std::vector<std::u16string> shown; } cases[] = {
        {true, u"localhost", 0, 0, u"IP Address: 127.0.0.1", {}},
        {true, u"nohost.invalid", 0, 0, u"IP Address: ", {}},
        {false, u"127.0.0.1", 0, 0, u"Host Name returned: loopback.host", {}},
        {false, u"999.1.1.1", 0, 0, u"Host Name returned: ", {u"|String passed is an invalid IP.|0"}},
        {false, u"127.0.0.1", 0, 10093, u"Host Name returned: loopback.host",
         std::vector<std::u16string>(2, u"|Windows Sockets error occurred in Cleanup.|48")},
        {true, u"localhost", 10091, 0, u"unchanged", {u"|Windows Sockets for 32 bit Windows is not successfully responding.|0"}},
        {false, u"127.0.0.1", 10091, 0, u"unchanged", {u"|Windows Sockets for 32 bit Windows is not successfully responding.|0"}}};
    for (const auto& c : cases) {
        sockets.startupResult = c.startup;
        sockets.cleanupResult = c.cleanup;
        dlg = c.byName ? forms.Open<frmIPFromHost>("frmIPFromHost", prompts, sockets).hwnd()
                       : forms.Open<frmHostFromIP>("frmHostFromIP", prompts, sockets).hwnd();
        const int box = c.byName ? IDC_IH_TXTHOSTNAME : IDC_HI_TXTIPADDR;
        const int label = c.byName ? IDC_IH_LBLIPADDR : IDC_HI_LBLHOSTNAME;
        Put(label, u"unchanged");
        Put(box, c.input);
        EXPECT_TRUE(PressKey(box, VK_RETURN));
        EXPECT_EQ(Get(label), c.label) << ToUtf8(c.input);
        EXPECT_EQ(Shown(), c.shown) << ToUtf8(c.input);
        EXPECT_EQ(sockets.startups, sockets.cleanups) << ToUtf8(c.input);
        Click(c.byName ? IDC_IH_CMDEXIT : IDC_HI_CMDEXIT);
    }
}

TEST_F(NetWindows, ComputerListFillsTheTypesListsAtLoadAndOnEveryChoice) {
    net.servers = {0, {{500, u"PC1", 0x15, 1}, {1, u"ODD", 4, 0}}};
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    HWND combo = Ctl(IDC_NE_CMBTYPES);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 10);
    EXPECT_EQ(static_cast<uint32_t>(SendMessageW(combo, CB_GETITEMDATA, 9, 0)), 0x80000000u);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(net.masks, std::vector<uint32_t>{0xFFFFFFFFu}) << "listed while opening";
    EXPECT_EQ(ListLines(IDC_NE_LSTCOMPUTERS), (std::vector<std::u16string>{u"PC1\tWindows NT 5.1", u"ODD\t 4.0"}));
    Choose(IDC_NE_CMBTYPES, 9);
    net.servers = {6118, {}};  // no browser servers
    EXPECT_TRUE(PressKey(IDC_NE_LSTCOMPUTERS, VK_RETURN));
    EXPECT_EQ(net.masks, (std::vector<uint32_t>{0xFFFFFFFFu, 0x80000000u, 0x80000000u}));
    EXPECT_TRUE(ListLines(IDC_NE_LSTCOMPUTERS).empty());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(NetWindows, RefusedSystemsSeeTheMessageAtLoadOnEveryChoiceAndClick) {
    nt = false;
    net.servers = {0, {{500, u"PC1", 5, 1}}};
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    Choose(IDC_NE_CMBTYPES, 3);
    Click(IDC_NE_CMDLIST);
    EXPECT_EQ(Shown(), std::vector<std::u16string>(3, u"NetEnum|" + kRefusal + u"|64"));
    EXPECT_TRUE(net.masks.empty() && ListLines(IDC_NE_LSTCOMPUTERS).empty());
    Click(IDC_NE_CMDEXIT);
    OpenUserInfo();
    Click(IDC_UI_CMDGETINFO);
    EXPECT_EQ(Shown(), std::vector<std::u16string>{u"UserInfo|" + kRefusal + u"|64"});
    EXPECT_TRUE(net.asked.empty());
    EXPECT_EQ(osAsked, 4);
}

TEST_F(NetWindows, UserInfoFillsTheFourBoxesEmptiesThemOnFailureAndIgnoresEmptyBoxes) {
    net.users[{u"\\\\PC1", u"jane"}] = {u"jane", u"Account comment", u"Own comment", u"Jane Doe"};
    OpenUserInfo();
    const struct { std::u16string user, server, boxes; size_t asked; } cases[] = {
        {u"jane", u"PC1", u"jane|Jane Doe|Account comment|Own comment", 1},
        {u"jane", u"\\\\PC1", u"jane|Jane Doe|Account comment|Own comment", 2},
        {u"", u"PC1", u"jane|Jane Doe|Account comment|Own comment", 2},
        {u"jane", u"", u"jane|Jane Doe|Account comment|Own comment", 2},
        {u"nobody", u"PC1", u"|||", 3}};
    for (const auto& c : cases) {
        Put(IDC_UI_TXTUSERNAME, c.user);
        Put(IDC_UI_TXTSERVERNAME, c.server);
        Click(IDC_UI_CMDGETINFO);
        EXPECT_EQ(UserBoxes(), c.boxes) << ToUtf8(c.user + u"@" + c.server);
        EXPECT_EQ(net.asked.size(), c.asked);
    }
    EXPECT_EQ(net.asked[1].first, u"\\\\PC1") << "typed with its backslashes, used as it is";
    EXPECT_TRUE(Shown().empty());
}

}  // namespace
}  // namespace wf
