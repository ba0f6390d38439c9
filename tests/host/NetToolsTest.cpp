// The network tools' logic: datagrams, look-ups, list lines and account names.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/Text.h"
#include "fakes/FakeNetApi.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeSockets.h"
#include "tools/net/MailslotMessage.h"
#include "tools/net/NetEnum.h"
#include "tools/net/UserInfo.h"
#include "tools/net/modHost2IP.h"
#include "tools/net/modIP2Host.h"

namespace wf {
namespace {

using namespace std::string_literals;

// The datagram's layout, the slot's path and the refused recipients for any
// fields are the mailslot fuzz target's; here the defaults and the statuses.
TEST(PostMailslotMessage, GivesOneOfTheFourStatusStrings) {
    test::FakeMailslots slots;
    EXPECT_EQ(SendAMessage(slots, u"", u"", u"hi"), u"The message was successfully sent.");
    EXPECT_EQ(slots.sent, (decltype(slots.sent){{u"\\\\*\\mailslot\\messngr", "Mailslot System Message\0*\0hi\0\0"s}}));
    const std::pair<MailslotWrite, std::u16string_view> cases[] = {
        {{true, true, 6}, u"Message sent but bytes written <> message size."},  // of 7
        {{true, false, 8}, u"Error writing the message."}, {{false, true, 8}, u"Error writing the message."}};
    for (const auto& [answer, status] : cases) {
        slots.answer = answer;
        EXPECT_EQ(SendAMessage(slots, u"a", u"b", u"c"), status) << answer.opened << answer.written;
    }
    EXPECT_EQ(SendAMessage(slots, u"from", u"to", u""), u"No message specified; nothing to do.");
    EXPECT_EQ(slots.sent.size(), 4u) << "an empty text opens nothing";
}

TEST(GetHostNameFromIP, ShowsEachFailureAndKeepsStartAndCleanupPaired) {
    const struct { std::u16string ip; int startup, cleanup; std::u16string name, shown; } cases[] = {
        {u"127.0.0.1", 0, 0, u"localhost", u""},
        {u"999.1.1.1", 0, 0, u"", u"String passed is an invalid IP.|0"},
        {u"1.2.3.4", 0, 0, u"", u"Call to gethostbyaddr failed.|0"},
        {u"10.0.0.9", 0, 0, u"", u""},  // a record whose name is empty
        {u"127.0.0.1", 10091, 0, u"", u"Sockets failed to initialize.|0"},
        {u"10.0.0.9", 0, 10093, u"", u"Windows Sockets error occurred in Cleanup.|48"}};
    for (const auto& c : cases) {
        test::FakeSockets sockets;
        sockets.addresses = {{"127.0.0.1", 0x0100007Fu}, {"10.0.0.9", 0x0900000Au}, {"1.2.3.4", 0x04030201u}};
        sockets.byAddress = {{0x0100007Fu, {"localhost", {}}}, {0x0900000Au, {"", {}}}};
        std::tie(sockets.startupResult, sockets.cleanupResult) = std::tie(c.startup, c.cleanup);
        test::FakePrompts prompts;
        prompts.answers = {answer::Ok};
        EXPECT_EQ(GetHostNameFromIP(sockets, prompts, c.ip), c.name) << ToUtf8(c.ip);
        std::u16string shown;
        for (const auto& m : prompts.messages) shown += m.title + m.text + u"|" + ToU16(std::to_string(m.style));
        EXPECT_EQ(shown, c.shown) << ToUtf8(c.ip);
        EXPECT_EQ(sockets.open, 0) << ToUtf8(c.ip) << ": every start-up is cleaned up once";
    }
}

TEST(Lookups, TheFirstAddressOrNothingAndTheAddressLookupsOwnStartNests) {
    test::FakeSockets sockets;
    sockets.byName = {{"multi", {"m", {"\x0A\0\0\x02"s, "\x0A\0\0\x03"s}}}, {"none", {"n", {}}}, {"\xE9", {"e", {"\xFF\2\0\4"s}}}};
    ASSERT_TRUE(SocketsInitialize(sockets));
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"multi", u"10.0.0.2"}, {u"nohost.invalid", u""}, {u"none", u""}, {u"\u00e9", u"255.2.0.4"}};
    for (const auto& [host, ip] : cases) EXPECT_EQ(GetIPFromHostName(sockets, host), ip) << ToUtf8(host);
    sockets.addresses["127.0.0.1"] = 0x0100007Fu;
    sockets.byAddress[0x0100007Fu] = {"localhost", {}};
    test::FakePrompts prompts;  // no answers: any message box throws
    EXPECT_EQ(GetHostNameFromIP(sockets, prompts, u"127.0.0.1"), u"localhost");
    EXPECT_TRUE(sockets.deepest == 2 && sockets.open == 1) << "the look-up's start nests in its caller's";
}

TEST(ListComputersOfType, OneLinePerRecordInThePlatformsOrderOrNoneOnFailure) {
    test::FakeNetApi net;
    net.servers = {0, {{500, u"PC1", 5, 1}, {123, u"ODD", 0x15, 0}, {600, u"WORKGROUP", 0x10, 7},
                       {700, u"\u00c9t\u00e9", 0xFFFFFFFF, 4294967295u}}};
    EXPECT_EQ(ListComputersOfType(net, 0x80000000u), (std::vector<std::u16string>{u"PC1\tWindows NT 5.1", u"ODD\t 5.0",
                                                      u"WORKGROUP\tOSF 0.7", u"\u00c9t\u00e9\tVMS 15.4294967295"}));
    for (uint32_t status : {234u, 6118u}) {  // more data, no browser
        net.servers.status = status;
        EXPECT_TRUE(ListComputersOfType(net, 1).empty()) << status;
    }
    EXPECT_EQ(net.masks, (std::vector<uint32_t>{0x80000000u, 1, 1}));
}

TEST(UserInfoText, WidePointersNulsAndTheServersTwoBackslashesUnlessItHoldsTwoInARow) {
    EXPECT_EQ(StringFromWidePointer(nullptr) + StringFromWidePointer(u""), u"");
    EXPECT_EQ(StringFromWidePointer(u"\u00c5sa \u4e2d\U0001F600\0tail"), u"\u00c5sa \u4e2d\U0001F600");
    EXPECT_EQ(TrimAtNul(u"jane\0\0b"s) + u"|" + TrimAtNul(u"plain") + u"|" + TrimAtNul(u"\0x"s), u"jane|plain|");
    const std::pair<std::u16string, std::u16string> servers[] = {
        {u"PC1", u"\\\\PC1"}, {u"\\\\PC1", u"\\\\PC1"}, {u"corp\\\\PC1", u"corp\\\\PC1"}, {u"a\\b", u"\\\\a\\b"}};
    for (const auto& [typed, asked] : servers) EXPECT_EQ(ServerNameBuffer(typed), asked + u'\0') << ToUtf8(typed);
    EXPECT_EQ(UserNameBuffer(u"jane"), u"jane\0"s);
}

}  // namespace
}  // namespace wf
