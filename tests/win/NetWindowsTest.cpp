// The five network windows driven through their controls, over fakes and over
// Wine's real mailslots, resolver and account database. The rules behind them
// are tested natively; here, what each control is bound to and shows.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeNetApi.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeSockets.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Mailslots.h"
#include "platform/win32/Win32NetApi.h"
#include "platform/win32/Win32Prompts.h"
#include "platform/win32/Win32Sockets.h"
#include "tools/net/NetEnum.h"
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
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using namespace std::string_literals;
const std::u16string kRefusal = u"Sorry, this feature is only available to Windows NT / 2000 / XP users!";
const std::initializer_list<int> kUserBoxes{IDC_UI_TXTINFONAME, IDC_UI_TXTINFOFULL, IDC_UI_TXTINFOSERVERCOMMENTS,
                                            IDC_UI_TXTINFOUSERCOMMENTS};

struct NetWindows : ::testing::Test {
    win::Forms forms;
    HWND dlg = nullptr;
    test::FakePrompts prompts;
    test::FakeSockets sockets;
    test::FakeNetApi net;
    win::Win32Mailslots mailslots;
    bool nt = true;
    OsTest os = [this] { return nt; };
    // Real message boxes (title|text), each answered with OK; other dialogs are tool windows.
    std::vector<std::u16string> boxes;
    test::DialogAnswerer answerer{[this](HWND box) {
        if (!GetDlgItem(box, 0xFFFF)) return;
        boxes.push_back(test::WindowText(box) + u"|" + test::MessageBoxText(box));
        test::PressButton(box, IDOK);
    }};

    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Drive(const std::vector<test::Step>& steps, std::initializer_list<int> read) {
        return test::Drive(dlg, steps, read);
    }
    std::u16string Items(int id) const {  // each entry, then "|"
        std::u16string all;
        for (const auto& s : test::ListItems(Ctl(id))) all += s + u"|";
        return all;
    }
    std::u16string Shown() {  // title|text|style of each fake message box, then forgotten
        std::u16string all;
        for (const auto& m : prompts.messages) all += m.title + u"|" + m.text + u"|" + ToU16(std::to_string(m.style)) + u"\n";
        prompts.messages.clear();
        return all;
    }
    // One look-up through its window, by name or by address; the label it fills.
    std::u16string Lookup(bool byName, const std::u16string& input, Sockets& s, Prompts& p) {
        dlg = byName ? forms.Open<frmIPFromHost>("frmIPFromHost", p, s).hwnd()
                     : forms.Open<frmHostFromIP>("frmHostFromIP", p, s).hwnd();
        return byName ? Drive({{IDC_IH_TXTHOSTNAME, input}, {IDC_IH_CMDGETIPADDR}}, {IDC_IH_LBLIPADDR})
                      : Drive({{IDC_HI_TXTIPADDR, input}, {IDC_HI_CMDGETHOST}}, {IDC_HI_LBLHOSTNAME});
    }
    std::u16string UserInfo(const std::u16string& user, const std::u16string& server) {
        return Drive({{IDC_UI_TXTUSERNAME, user}, {IDC_UI_TXTSERVERNAME, server}, {IDC_UI_CMDGETINFO}}, kUserBoxes);
    }
    std::u16string Send(const std::u16string& to, const std::u16string& text) {
        return Drive({{IDC_MS_TXTFROM, u"A"}, {IDC_MS_TXTTO, to}, {IDC_MS_TXTMESSAGE, text}, {IDC_MS_TXTSEND}},
                     {IDC_MS_LBLSTATUS});
    }
    void TearDown() override { EXPECT_TRUE(boxes.empty()) << boxes.size() << " unexpected message boxes"; }
};

TEST_F(NetWindows, EachOpensWithItsCaptionsDefaultButtonAndEscape) {
    const struct { std::function<HWND()> open; std::u16string texts; int defId; } windows[] = {
        {[&] { return forms.Open<frmMessages>("frmMessages", mailslots).hwnd(); },
         u"Send a message|&From:||&To:||&Message:||Ready.|Send it|Cancel", IDOK},  // no default: Enter does nothing
        {[&] { return forms.Open<frmIPFromHost>("frmIPFromHost", prompts, sockets).hwnd(); },
         u"IP From Hostname|&Host name:||IP address: |Get IP addr|Exit", IDC_IH_CMDGETIPADDR},
        {[&] { return forms.Open<frmHostFromIP>("frmHostFromIP", prompts, sockets).hwnd(); },
         u"Host Name From IP|&IP address:||Host name returned:|Get host name|Exit", IDC_HI_CMDGETHOST},
        {[&] { return forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd(); },
         u"Network computer list|All servers||Get list|Exit", IDC_NE_CMDLIST},
        {[&] { return forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, u"jane", u"PC1").hwnd(); },
         u"Get user info|&User name:|jane|Get user's info|&Server name:|PC1|Exit|User info|User's &name:||&Full name:||"
         u"Server &comments:||User c&omments:|", IDC_UI_CMDGETINFO}};
    sockets.startupResult = 10091;  // WSASYSNOTREADY
    prompts.answers.assign(2, answer::Ok);
    for (const auto& w : windows) {
        dlg = w.open();
        EXPECT_EQ(test::AllTexts(dlg), w.texts);
        EXPECT_EQ(SendMessageW(dlg, DM_GETDEFID, 0, 0), MAKELONG(w.defId, DC_HASDEFID));
        test::PressKey(forms, GetNextDlgTabItem(dlg, nullptr, FALSE), VK_RETURN);  // each default's action changes nothing here
        EXPECT_EQ(test::AllTexts(dlg), w.texts) << "after Enter";
        test::PressKey(forms, GetNextDlgTabItem(dlg, nullptr, FALSE), VK_ESCAPE);
        EXPECT_EQ(IsWindow(dlg), w.defId == IDOK) << "Esc closes all but the sender";
        PostMessageW(dlg, WM_CLOSE, 0, 0);
        test::PumpMessages();
        EXPECT_TRUE(forms.Loaded().empty());
    }
    const std::u16string notResponding = u"|Windows Sockets for 32 bit Windows is not successfully responding.|0\n";
    EXPECT_EQ(Shown(), notResponding + notResponding);
    EXPECT_TRUE(net.masks.size() == 2 && net.asked.size() == 1) << "Enter lists again and looks up";
}

TEST_F(NetWindows, ComputerListListsAtLoadOnEveryChoiceAndClickOrRefusesEachTime) {
    net.servers = {0, {{500, u"PC1", 0x15, 1}}};
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    EXPECT_EQ(test::ListItems(Ctl(IDC_NE_CMBTYPES)).size(), kComputerTypes.size()) << "one entry a type";
    EXPECT_EQ(Items(IDC_NE_LSTCOMPUTERS), u"PC1\tWindows NT 5.1|") << "listed while opening";
    Drive({{IDC_NE_CMBTYPES, u"Primary Domain (ignore version info)"}}, {});
    net.servers = {6118, {}};  // no browser servers
    Drive({{IDC_NE_CMDLIST}}, {});
    EXPECT_EQ(net.masks, (std::vector<uint32_t>{0xFFFFFFFFu, 0x80000000u, 0x80000000u}));
    EXPECT_EQ(Items(IDC_NE_LSTCOMPUTERS) + Shown(), u"");
    Drive({{IDC_NE_CMDEXIT}}, {});
    nt = false;
    prompts.answers.assign(3, answer::Ok);
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    Drive({{IDC_NE_CMBTYPES, u"Servers running Unix"}, {IDC_NE_CMDLIST}}, {});
    const std::u16string refused = u"NetEnum|" + kRefusal + u"|64\n";
    EXPECT_EQ(Shown(), refused + refused + refused);
    EXPECT_EQ(net.masks.size(), 3u) << "nothing more is listed";
}

TEST_F(NetWindows, UserInfoFillsTheFourBoxesEmptiesThemOnFailureAndIgnoresEmptyBoxes) {
    net.users[{u"\\\\PC1", u"jane"}] = {u"jane", u"Account comment", u"Own comment", u"Jane Doe"};
    dlg = forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, u"", u"").hwnd();
    const std::u16string jane = u"jane|Jane Doe|Account comment|Own comment";
    const struct { std::u16string user, server, boxes; } cases[] = {
        {u"jane", u"PC1", jane}, {u"", u"PC1", jane}, {u"jane", u"", jane}, {u"x", u"PC1", u"|||"}};
    for (const auto& c : cases) EXPECT_EQ(UserInfo(c.user, c.server), c.boxes) << ToUtf8(c.user + u"@" + c.server);
    EXPECT_EQ(net.asked.size(), 2u) << "an empty box asks nothing";
    nt = false;
    prompts.answers = {answer::Ok};
    EXPECT_EQ(UserInfo(u"jane", u"PC1"), u"|||");
    EXPECT_EQ(Shown(), u"UserInfo|" + kRefusal + u"|64\n");
}

TEST_F(NetWindows, TheLocalMailslotReceivesEachDatagramWholeAndNoRemoteOneOpens) {
    win::UniqueFile slot(CreateMailslotW(L"\\\\.\\mailslot\\messngr", 0, 0, nullptr));
    ASSERT_TRUE(slot);
    win::Win32Mailslots real;
    dlg = forms.Open<frmMessages>("frmMessages", real).hwnd();
    EXPECT_EQ(Send(u".", u""), u"No message specified; nothing to do.");
    EXPECT_EQ(test::WindowText(Ctl(IDC_MS_TXTCANCEL)), u"&Exit") << "even after a refusal";
    // 64 K of text in lines arrives as one datagram, unchanged (the datagram's bytes are checked natively).
    std::u16string text;
    for (int i = 0; i < 1024; ++i) text.append(62, u'w').append(u"\r\n");
    EXPECT_EQ(Send(u".", text), u"The message was successfully sent.");
    std::string buf(1 << 20, '\0');  // Wine tells no next size above 64 KB: room to spare
    std::vector<std::string> got;
    for (DWORD read = 0; ReadFile(slot.get(), buf.data(), static_cast<DWORD>(buf.size()), &read, nullptr);)
        got.push_back(buf.substr(0, read));
    EXPECT_TRUE(got == std::vector{"A\0.\0"s + ToAnsi(text) + "\0\0"s})
        << "a datagram arrived changed, or more than one";
    for (const std::u16string& to : {u"*"s, u"nosuchpc-wf"s, u"pc 1\r\nx"s, std::u16string(65536, u'p')})
        EXPECT_EQ(Send(to, u"hi"), u"Error writing the message.") << to.size();
}

TEST_F(NetWindows, TheResolverAnswersBothWindowsAndRefusedAddressesShowARealBox) {
    win::Win32Sockets real;
    win::Win32Prompts boxPrompts;
    const std::u16string host = Lookup(false, u"127.0.0.1", real, boxPrompts).substr(20);  // after "Host Name returned: "
    EXPECT_FALSE(host.empty());
    const struct { std::u16string input, label; } cases[] = {
        {u"localhost", u"IP Address: 127.0.0.1"}, {host, u"IP Address: 127.0.0.1"}, {u"nohost.invalid", u"IP Address: "},
        {std::u16string(65536, u'a'), u"IP Address: "}, {u"\u4e2d.invalid", u"IP Address: "}};
    for (const auto& c : cases) EXPECT_EQ(Lookup(true, c.input, real, boxPrompts), c.label) << c.input.size();
    EXPECT_TRUE(boxes.empty());
    const std::u16string refused[] = {u"999.1.1.1", u"255.255.255.255", u"127.0.0.1.", u" 127.0.0.1", u"\u00e9",
                                      std::u16string(65536, u'1')};
    for (const auto& ip : refused) EXPECT_EQ(Lookup(false, ip, real, boxPrompts), u"Host Name returned: ") << ip.size();
    EXPECT_EQ(boxes, std::vector<std::u16string>(std::size(refused), u"Wrenfold|String passed is an invalid IP."));
    boxes.clear();
}

TEST_F(NetWindows, TheAccountDatabaseKnowsTheCurrentUserAndTheBrowserIsAbsent) {
    const std::u16string me = win::CurrentUserName(), pc = win::LocalComputerName();
    ASSERT_FALSE(me.empty() || pc.empty());
    win::Win32NetApi real;
    dlg = forms.Open<frmUserInfo>("frmUserInfo", prompts, real, os, me, pc).hwnd();
    const struct { std::u16string user, server; bool found; } cases[] = {
        {me, pc, true}, {u"nosuchuser-wf", pc, false}, {std::u16string(65536, u'u'), pc, false},
        {me, std::u16string(65536, u's'), false}, {me + u"\r\n", pc, false}};
    for (const auto& c : cases) EXPECT_EQ(UserInfo(c.user, c.server).substr(0, c.found ? me.size() + 1 : 3), c.found ? me + u"|" : u"|||");
    EXPECT_NE(real.ServerEnum(0xFFFFFFFFu).status, 0u);
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, real, os).hwnd();
    EXPECT_EQ(Items(IDC_NE_LSTCOMPUTERS) + Shown(), u"") << "no browser: an empty list and no message";
}

}  // namespace
}  // namespace wf
