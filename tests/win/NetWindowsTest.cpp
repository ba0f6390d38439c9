// The five network windows driven through their controls, over fakes and over
// Wine's real mailslots, resolver and account database.
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
#include "platform/win32/WideText.h"

namespace wf {
namespace {

using namespace std::string_literals;
const std::u16string kRefusal = u"Sorry, this feature is only available to Windows NT / 2000 / XP users!";

struct NetWindows : ::testing::Test {
    win::Forms forms;
    HWND dlg = nullptr;
    test::FakePrompts prompts;
    test::FakeSockets sockets;
    win::Win32Mailslots mailslots;
    test::FakeNetApi net;
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
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    std::u16string Get(std::initializer_list<int> ids) const {  // the controls' texts joined by "|"
        std::u16string all;
        for (int id : ids) all.append(u"|").append(test::WindowText(Ctl(id)));
        return all.substr(1);
    }
    std::u16string Texts() const {  // the caption, then every control's text in order
        std::u16string all = test::WindowText(dlg);
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all.append(u"|").append(test::WindowText(c));
        return all;
    }
    void PressKey(HWND control, WPARAM key) {  // as the message loop routes it
        SetFocus(control);
        MSG msg{control, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
        forms.RouteDialogMessage(msg);
        test::PumpMessages();
    }
    void Choose(int row) {  // a user's choice of a type: the selection and its notification
        SendMessageW(Ctl(IDC_NE_CMBTYPES), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_NE_CMBTYPES, CBN_SELCHANGE), 0);
    }
    std::u16string Items(int id, UINT countMsg = LB_GETCOUNT, UINT textMsg = LB_GETTEXT) const {  // each, then "|"
        std::u16string all;
        wchar_t item[1024];
        for (LRESULT i = 0, n = SendMessageW(Ctl(id), countMsg, 0, 0); i < n; ++i)
            all.append(SendMessageW(Ctl(id), textMsg, i, reinterpret_cast<LPARAM>(item)) >= 0 ? win::U(item) : u"?") += u"|";
        return all;
    }
    std::u16string Shown() {  // title|text|style of each fake message box, then forgotten
        std::u16string all;
        for (const auto& m : prompts.messages) all += m.title + u"|" + m.text + u"|" + ToU16(std::to_string(m.style)) + u"\n";
        prompts.messages.clear();
        return all;
    }
    std::u16string Lookup(bool byName, const std::u16string& input, Sockets& s, Prompts& p, bool press = true) {
        dlg = byName ? forms.Open<frmIPFromHost>("frmIPFromHost", p, s).hwnd()
                     : forms.Open<frmHostFromIP>("frmHostFromIP", p, s).hwnd();
        Put(byName ? IDC_IH_TXTHOSTNAME : IDC_HI_TXTIPADDR, input);
        if (press) Click(byName ? IDC_IH_CMDGETIPADDR : IDC_HI_CMDGETHOST);
        return Get({byName ? IDC_IH_LBLIPADDR : IDC_HI_LBLHOSTNAME});
    }
    std::u16string UserInfo(const std::u16string& user, const std::u16string& server) {
        Put(IDC_UI_TXTUSERNAME, user);
        Put(IDC_UI_TXTSERVERNAME, server);
        Click(IDC_UI_CMDGETINFO);
        return Get({IDC_UI_TXTINFONAME, IDC_UI_TXTINFOFULL, IDC_UI_TXTINFOSERVERCOMMENTS, IDC_UI_TXTINFOUSERCOMMENTS});
    }
    std::u16string Send(const std::u16string& to, const std::u16string& text) {
        Put(IDC_MS_TXTFROM, u"A");
        Put(IDC_MS_TXTTO, to);
        Put(IDC_MS_TXTMESSAGE, text);
        Click(IDC_MS_TXTSEND);
        return Get({IDC_MS_LBLSTATUS});
    }
    void TearDown() override { EXPECT_TRUE(boxes.empty()) << boxes.size() << " unexpected message boxes"; }
};

TEST_F(NetWindows, EachOpensWithItsCaptionsDefaultButtonAndEscape) {
    const struct { std::function<HWND()> open; std::u16string texts; int defId; } windows[] = {
        {[&] { return forms.Open<frmMessages>("frmMessages", mailslots).hwnd(); },
         u"Send a message|From:||To:||Message:||Ready.|Send it|Cancel", IDOK},  // no default: Enter does nothing
        {[&] { return Lookup(true, u"", sockets, prompts, false), dlg; },
         u"IP From Hostname|Host name:||IP address: |Get IP addr|Exit", IDC_IH_CMDGETIPADDR},
        {[&] { return Lookup(false, u"", sockets, prompts, false), dlg; },
         u"Host Name From IP|IP address:||Host name returned:|Get host name|Exit", IDC_HI_CMDGETHOST},
        {[&] { return forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd(); },
         u"Network computer list|All servers||Get list|Exit", IDC_NE_CMDLIST},
        {[&] { return forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, u"jane", u"PC1").hwnd(); },
         u"Get user info|User name:|jane|Server name:|PC1|Get user's info|Exit|User info|User's name:||Full name:||"
         u"Server comments:||User comments:|", IDC_UI_CMDGETINFO}};
    sockets.startupResult = 10091;  // WSASYSNOTREADY
    prompts.answers.assign(2, answer::Ok);
    for (const auto& w : windows) {
        dlg = w.open();
        EXPECT_EQ(Texts(), w.texts);
        EXPECT_EQ(SendMessageW(dlg, DM_GETDEFID, 0, 0), MAKELONG(w.defId, DC_HASDEFID));
        PressKey(GetNextDlgTabItem(dlg, nullptr, FALSE), VK_RETURN);  // each default's action changes nothing here
        EXPECT_EQ(Texts(), w.texts) << "after Enter";
        PressKey(GetNextDlgTabItem(dlg, nullptr, FALSE), VK_ESCAPE);
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
    net.servers = {0, {{500, u"PC1", 0x15, 1}, {1, u"ODD", 4, 0}}};
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    EXPECT_EQ(Items(IDC_NE_CMBTYPES, CB_GETCOUNT, CB_GETLBTEXT),
              u"All servers|NT/2000 workstations or servers|Windows 95 or later|Servers running Windows for Workgroups|"
              u"Servers running Unix|LAN Manager workstations|LAN Manager servers|NT/2000 servers not domain controller|"
              u"Servers maintained by the browser|Primary Domain (ignore version info)|");
    const uint32_t masks[] = {0xFFFFFFFF, 0x1000, 0x400000, 0x2000, 0x800, 1, 2, 0x8000, 0x40000000, 0x80000000};
    for (int row = 0; row < 10; ++row) EXPECT_EQ(SendMessageW(Ctl(IDC_NE_CMBTYPES), CB_GETITEMDATA, row, 0), masks[row]);
    EXPECT_EQ(Items(IDC_NE_LSTCOMPUTERS), u"PC1\tWindows NT 5.1|ODD\t 4.0|") << "listed while opening";
    Choose(9);
    net.servers = {6118, {}};  // no browser servers
    PressKey(Ctl(IDC_NE_LSTCOMPUTERS), VK_RETURN);
    EXPECT_EQ(net.masks, (std::vector<uint32_t>{0xFFFFFFFFu, 0x80000000u, 0x80000000u}));
    EXPECT_EQ(Items(IDC_NE_LSTCOMPUTERS) + Shown(), u"");
    Click(IDC_NE_CMDEXIT);
    nt = false;
    prompts.answers.assign(3, answer::Ok);
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    Choose(3);
    Click(IDC_NE_CMDLIST);
    const std::u16string refused = u"NetEnum|" + kRefusal + u"|64\n";
    EXPECT_EQ(Shown(), refused + refused + refused);
    EXPECT_EQ(net.masks.size(), 3u) << "nothing more is listed";
}

TEST_F(NetWindows, UserInfoFillsTheFourBoxesEmptiesThemOnFailureAndIgnoresEmptyBoxes) {
    net.users[{u"\\\\PC1", u"jane"}] = {u"jane", u"Account comment", u"Own comment", u"Jane Doe"};
    dlg = forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, u"", u"").hwnd();
    const std::u16string jane = u"jane|Jane Doe|Account comment|Own comment";
    const struct { std::u16string user, server, boxes; } cases[] = {
        {u"jane", u"PC1", jane}, {u"jane", u"\\\\PC1", jane}, {u"", u"PC1", jane}, {u"jane", u"", jane}, {u"x", u"PC1", u"|||"}};
    for (const auto& c : cases) EXPECT_EQ(UserInfo(c.user, c.server), c.boxes) << ToUtf8(c.user + u"@" + c.server);
    EXPECT_EQ(net.asked.size(), 3u) << "an empty box asks nothing";
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
    EXPECT_EQ(Get({IDC_MS_TXTCANCEL}), u"&Exit") << "even after a refusal";
    std::u16string longText;
    for (int i = 0; i < 1024; ++i) longText.append(62, u'w').append(u"\r\n");
    std::vector<std::string> got, expected;
    for (const std::u16string& text : {u"x"s, u"line 1\r\n\u00e9"s, longText}) {
        EXPECT_EQ(Send(u".", text), u"The message was successfully sent.");
        PressKey(Ctl(IDC_MS_TXTTO), VK_RETURN);  // Enter sends nothing: no default button
        expected.push_back("A\0.\0"s + ToAnsi(text) + "\0\0"s);
        std::string buf(1 << 20, '\0');  // Wine tells no next size above 64 KB: room to spare
        DWORD read = 0;
        while (ReadFile(slot.get(), buf.data(), static_cast<DWORD>(buf.size()), &read, nullptr)) got.push_back(buf.substr(0, read));
    }
    EXPECT_TRUE(got == expected) << "a datagram arrived changed, or more than one";
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
        {me, pc, true}, {u"nosuchuser-wf", pc, false}, {me, u"\\\\" + pc, true}, {std::u16string(65536, u'u'), pc, false},
        {me, std::u16string(65536, u's'), false}, {me + u"\r\n", pc, false}};
    for (const auto& c : cases) EXPECT_EQ(UserInfo(c.user, c.server).substr(0, c.found ? me.size() + 1 : 3), c.found ? me + u"|" : u"|||");
    EXPECT_NE(real.ServerEnum(0xFFFFFFFFu).status, 0u);
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, real, os).hwnd();
    EXPECT_EQ(Items(IDC_NE_LSTCOMPUTERS) + Shown(), u"") << "no browser: an empty list and no message";
}

}  // namespace
}  // namespace wf
