#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeSockets.h"
#include "tools/net/modHost2IP.h"
#include "tools/net/modIP2Host.h"

namespace wf {
namespace {

using namespace std::string_literals;

TEST(DottedIPFromBytes, PrintsEachByteInDecimalInNetworkOrder) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xC0\xA8\x00\x01"s, u"192.168.0.1"}, {"\0\0\0\0"s, u"0.0.0.0"},
        {"\xFF\xFF\xFF\xFF"s, u"255.255.255.255"}, {"\x0A\x09\x64\x7F"s, u"10.9.100.127"}};
    for (const auto& [bytes, dotted] : cases) EXPECT_EQ(DottedIPFromBytes(bytes), dotted);
}

struct Lookups : ::testing::Test {
    test::FakeSockets sockets;
    test::FakePrompts prompts;
    void SetUp() override {
        sockets.addresses = {{"127.0.0.1", 0x0100007Fu}, {"10.0.0.9", 0x0900000Au}};
        sockets.byAddress[0x0100007Fu] = {"localhost", {"\x7F\0\0\x01"s}};
        sockets.byAddress[0x0900000Au] = {"", {}};  // a record whose name is empty
        sockets.byName["multi"] = {"multi.example", {"\x0A\0\0\x02"s, "\x0A\0\0\x03"s}};
        sockets.byName["noaddr"] = {"noaddr.example", {}};
        sockets.byName["\xE9t\xE9"] = {"e", {"\x01\x02\x03\x04"s}};
    }
    // Messages shown, each as text (every one has an OK button and the application title).
    std::vector<std::u16string> Shown() const {
        std::vector<std::u16string> texts;
        for (const auto& m : prompts.messages) {
            EXPECT_TRUE(m.title.empty());
            texts.push_back(m.text + (m.style == mb::Exclamation ? u" [!]" : m.style == 0 ? u"" : u" [?]"));
        }
        return texts;
    }
};

TEST_F(Lookups, NameFromAddressShowsEachFailureOnceAndKeepsStartAndCleanupPaired) {
    const struct { std::u16string ip; int startup, cleanup; std::u16string name; std::vector<std::u16string> shown; } cases[] = {
        {u"127.0.0.1", 0, 0, u"localhost", {}},
        {u"999.1.1.1", 0, 0, u"", {u"String passed is an invalid IP."}},
        {u"255.255.255.255", 0, 0, u"", {u"String passed is an invalid IP."}},
        {u"10.0.0.9", 0, 0, u"", {}},  // a record with an empty name
        {u"127.0.0.1", 10091, 0, u"", {u"Sockets failed to initialize."}},
        {u"127.0.0.1", 0, 10093, u"localhost", {u"Windows Sockets error occurred in Cleanup. [!]"}},
        {u"10.0.0.9", 0, 10093, u"", {u"Windows Sockets error occurred in Cleanup. [!]"}},
    };
    for (const auto& c : cases) {
        sockets = {};
        SetUp();
        prompts = {};
        prompts.answers.assign(4, answer::Ok);
        sockets.startupResult = c.startup;
        sockets.cleanupResult = c.cleanup;
        EXPECT_EQ(GetHostNameFromIP(sockets, prompts, c.ip), c.name) << ToUtf8(c.ip);
        EXPECT_EQ(Shown(), c.shown) << ToUtf8(c.ip);
        EXPECT_EQ(sockets.startups, sockets.cleanups) << ToUtf8(c.ip);
    }
    sockets.cleanupResult = 0;
    sockets.addresses["1.2.3.4"] = 0x04030201u;
    prompts = {};
    prompts.answers = {answer::Ok};
    EXPECT_EQ(GetHostNameFromIP(sockets, prompts, u"1.2.3.4"), u"");
    EXPECT_EQ(Shown(), std::vector<std::u16string>{u"Call to gethostbyaddr failed."});
    EXPECT_EQ(sockets.queried.back(), std::to_string(0x04030201u)) << "the address goes as inet_addr gave it";
}

TEST_F(Lookups, AddressFromNameGivesTheFirstAddressOrNothingAndShowsNoMessage) {
    ASSERT_TRUE(SocketsInitialize(sockets));
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"multi", u"10.0.0.2"}, {u"nohost.invalid", u""}, {u"noaddr", u""}, {u"", u""}, {u"\u00e9t\u00e9", u"1.2.3.4"}};
    for (const auto& [host, ip] : cases) EXPECT_EQ(GetIPFromHostName(sockets, host), ip) << ToUtf8(host);
    EXPECT_EQ(sockets.queried.back(), "\xE9t\xE9") << "the name goes in the ANSI code page";
    SocketsCleanup(sockets, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(std::tie(sockets.startups, sockets.cleanups, sockets.open), std::make_tuple(1, 1, 0));
}

TEST_F(Lookups, TheLookupsLibraryStartNestsInsideTheCallersOwn) {
    sockets.startupResult = 0;
    ASSERT_TRUE(SocketsInitialize(sockets));
    EXPECT_EQ(GetHostNameFromIP(sockets, prompts, u"127.0.0.1"), u"localhost");
    SocketsCleanup(sockets, prompts);
    EXPECT_EQ(std::tie(sockets.deepest, sockets.startups, sockets.cleanups), std::make_tuple(2, 2, 2));
    sockets.startupResult = 10091;  // WSASYSNOTREADY
    EXPECT_FALSE(SocketsInitialize(sockets));
}

}  // namespace
}  // namespace wf
