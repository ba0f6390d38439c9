// The network windows over the real services under Wine: a local mailslot
// read back byte for byte, the machine's resolver, the account database and
// the browser (which Wine does not run).
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
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
#include "win/NetWindowFixture.h"

namespace wf {
namespace {

using namespace std::string_literals;

struct RealNet : test::NetWindowFixture {
    win::Win32Prompts prompts;
    win::Win32Mailslots slots;
    win::Win32Sockets sockets;
    win::Win32NetApi net;
    OsTest os = [] { return true; };

    std::u16string Send(const std::u16string& to, const std::u16string& text) {
        Put(IDC_MS_TXTFROM, u"A");
        Put(IDC_MS_TXTTO, to);
        Put(IDC_MS_TXTMESSAGE, text);
        Click(IDC_MS_TXTSEND);
        return Get(IDC_MS_LBLSTATUS);
    }
    std::u16string Lookup(bool byName, const std::u16string& input) {
        dlg = byName ? forms.Open<frmIPFromHost>("frmIPFromHost", prompts, sockets).hwnd()
                     : forms.Open<frmHostFromIP>("frmHostFromIP", prompts, sockets).hwnd();
        Put(byName ? IDC_IH_TXTHOSTNAME : IDC_HI_TXTIPADDR, input);
        Click(byName ? IDC_IH_CMDGETIPADDR : IDC_HI_CMDGETHOST);
        return Get(byName ? IDC_IH_LBLIPADDR : IDC_HI_LBLHOSTNAME);
    }
};

// Every datagram waiting in the slot, in turn.
std::vector<std::string> ReadAll(HANDLE slot) {
    std::vector<std::string> all;
    DWORD next = 0, count = 0;
    while (GetMailslotInfo(slot, nullptr, &next, &count, nullptr) && next != MAILSLOT_NO_MESSAGE) {
        // Wine reports no more than 64 KB as the next size: read with room to spare.
        std::string bytes(1 << 20, '\0');
        DWORD read = 0;
        if (!ReadFile(slot, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) break;
        all.push_back(bytes.substr(0, read));
    }
    return all;
}

TEST_F(RealNet, TheLocalMailslotReceivesEachDatagramWhole) {
    win::UniqueFile slot(CreateMailslotW(L"\\\\.\\mailslot\\messngr", 0, 0, nullptr));
    ASSERT_TRUE(slot);
    dlg = forms.Open<frmMessages>("frmMessages", slots).hwnd();
    std::u16string longText;
    for (int i = 0; i < 1024; ++i) longText.append(62, u'w').append(u"\r\n");
    const std::u16string sent = u"The message was successfully sent.";
    EXPECT_EQ(Send(u".", u"x"), sent);
    EXPECT_EQ(Send(u".", u"line 1\r\nline 2\r\n\u00e9"), sent);
    EXPECT_EQ(Send(u".", longText), sent);
    EXPECT_EQ(Get(IDC_MS_TXTMESSAGE).size(), longText.size());
    const auto got = ReadAll(slot.get());
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], "A\0.\0x\0\0"s);
    EXPECT_EQ(got[1], "A\0.\0line 1\r\nline 2\r\n\xE9\0\0"s);
    EXPECT_EQ(got[2].size(), longText.size() + 6);
    EXPECT_TRUE(got[2] == "A\0.\0"s + ToAnsi(longText) + "\0\0"s) << "the long datagram arrived changed";
}

TEST_F(RealNet, NoRemoteMailslotOpensUnderWineAndNothingHangs) {
    dlg = forms.Open<frmMessages>("frmMessages", slots).hwnd();
    for (const std::u16string& to : {u"*"s, u"nosuchpc-wf"s, u""s, u"pc 1\r\nx"s, std::u16string(65536, u'p')})
        EXPECT_EQ(Send(to, u"hi"), u"Error writing the message.") << to.size();
    EXPECT_EQ(Get(IDC_MS_TXTCANCEL), u"&Exit");
}

TEST_F(RealNet, TheResolverAnswersBothWindows) {
    WSADATA data;
    ASSERT_EQ(WSAStartup(0x0202, &data), 0);
    sockaddr_in loop{};
    loop.sin_family = AF_INET;
    loop.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    char host[NI_MAXHOST] = "";
    ASSERT_EQ(getnameinfo(reinterpret_cast<sockaddr*>(&loop), sizeof loop, host, sizeof host, nullptr, 0, NI_NAMEREQD), 0);
    WSACleanup();

    const struct { bool byName; std::u16string input, label; } cases[] = {
        {true, u"localhost", u"IP Address: 127.0.0.1"},
        {true, u"nohost.invalid", u"IP Address: "},
        {true, std::u16string(65536, u'a'), u"IP Address: "},
        {true, u"\u4e2d\u6587.invalid", u"IP Address: "},
        {false, u"127.0.0.1", u"Host Name returned: " + FromAnsi(host)}};
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.byName, c.input), c.label) << c.input.size();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RealNet, RefusedAddressesShowTheirMessageInARealBox) {
    const std::u16string refused[] = {u"999.1.1.1", u"255.255.255.255", u"127.0.0.1.", u" 127.0.0.1", u"\u00e9",
                                      std::u16string(65536, u'1')};
    for (const std::u16string& ip : refused) EXPECT_EQ(Lookup(false, ip), u"Host Name returned: ") << ip.size();
    EXPECT_EQ(boxes, std::vector<std::u16string>(std::size(refused), u"Wrenfold|String passed is an invalid IP."));
    boxes.clear();
}

TEST_F(RealNet, UserInfoReadsTheCurrentAccountAndEmptiesTheBoxesForAnUnknownOne) {
    const std::u16string me = win::CurrentUserName(), pc = win::LocalComputerName();
    ASSERT_FALSE(me.empty() || pc.empty());
    wchar_t name[256];
    DWORD size = 256;
    ASSERT_TRUE(GetUserNameW(name, &size));
    EXPECT_EQ(me, win::U(name));
    dlg = forms.Open<frmUserInfo>("frmUserInfo", prompts, net, os, me, pc).hwnd();
    EXPECT_EQ(Get(IDC_UI_TXTUSERNAME) + u"|" + Get(IDC_UI_TXTSERVERNAME), me + u"|" + pc);
    const struct { std::u16string user, server; bool found; } cases[] = {
        {me, pc, true}, {u"nosuchuser-wf", pc, false}, {me, u"\\\\" + pc, true}, {std::u16string(65536, u'u'), pc, false},
        {me, std::u16string(65536, u's'), false}, {me + u"\r\n", pc, false}};
    for (const auto& c : cases) {
        Put(IDC_UI_TXTUSERNAME, c.user);
        Put(IDC_UI_TXTSERVERNAME, c.server);
        Click(IDC_UI_CMDGETINFO);
        EXPECT_EQ(Get(IDC_UI_TXTINFONAME), c.found ? me : u"") << ToUtf8(c.server);
        if (!c.found) {
            EXPECT_EQ(Get(IDC_UI_TXTINFOFULL) + Get(IDC_UI_TXTINFOSERVERCOMMENTS) + Get(IDC_UI_TXTINFOUSERCOMMENTS), u"");
        }
    }
}

TEST_F(RealNet, WithoutABrowserTheComputerListStaysEmptyAndSilent) {
    EXPECT_NE(net.ServerEnum(0xFFFFFFFFu).status, 0u);
    dlg = forms.Open<frmNetEnum>("frmNetEnum", prompts, net, os).hwnd();
    Choose(IDC_NE_CMBTYPES, 9);
    Click(IDC_NE_CMDLIST);
    EXPECT_TRUE(ListLines(IDC_NE_LSTCOMPUTERS).empty());
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace wf
