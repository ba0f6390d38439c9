#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeNetApi.h"
#include "tools/net/NetEnum.h"
#include "tools/net/UserInfo.h"

namespace wf {
namespace {

using namespace std::string_literals;

TEST(ComputerTypes, TenRowsWithTheirMasks) {
    std::u16string captions;
    for (const auto& t : kComputerTypes) captions.append(t.caption).append(u"|");
    EXPECT_EQ(captions, u"All servers|NT/2000 workstations or servers|Windows 95 or later|"
                        u"Servers running Windows for Workgroups|Servers running Unix|LAN Manager workstations|"
                        u"LAN Manager servers|NT/2000 servers not domain controller|"
                        u"Servers maintained by the browser|Primary Domain (ignore version info)|");
    const uint32_t masks[] = {0xFFFFFFFF, 0x1000, 0x400000, 0x2000, 0x800, 1, 2, 0x8000, 0x40000000, 0x80000000};
    for (size_t i = 0; i < kComputerTypes.size(); ++i) EXPECT_EQ(kComputerTypes[i].mask, masks[i]) << i;
}

TEST(PlatformName, KnownIdsAndOthersEmpty) {
    const std::pair<uint32_t, std::u16string> cases[] = {{300, u"DOS"}, {400, u"Windows"}, {500, u"Windows NT"},
                                                         {600, u"OSF"}, {700, u"VMS"},     {0, u""},
                                                         {499, u""},    {800, u""},        {0xFFFFFFFF, u""}};
    for (const auto& [id, name] : cases) EXPECT_EQ(PlatformName(id), name) << id;
}

TEST(StringFromWidePointer, NullEmptyAndNonAscii) {
    const char16_t text[] = u"\u00c5sa \u4e2d\U0001F600";
    EXPECT_EQ(StringFromWidePointer(nullptr), u"");
    EXPECT_EQ(StringFromWidePointer(u""), u"");
    EXPECT_EQ(StringFromWidePointer(text), std::u16string(text));
    EXPECT_EQ(StringFromWidePointer(u"ab\0cd"), u"ab") << "the string ends at its NUL";
}

TEST(ListComputersOfType, OneLinePerRecordInThePlatformsOrder) {
    test::FakeNetApi net;
    net.servers = {0, {{500, u"PC1", 5, 1}, {400, u"OLDBOX", 4, 10}, {123, u"ODD", 0x15, 0},
                       {600, u"WORKGROUP", 0x10, 7}, {700, u"\u00c9t\u00e9", 0xFFFFFFFF, 4294967295u}}};
    EXPECT_EQ(ListComputersOfType(net, 0x80000000u),
              (std::vector<std::u16string>{u"PC1\tWindows NT 5.1", u"OLDBOX\tWindows 4.10", u"ODD\t 5.0",
                                           u"WORKGROUP\tOSF 0.7", u"\u00c9t\u00e9\tVMS 15.4294967295"}));
    EXPECT_EQ(net.masks, std::vector<uint32_t>{0x80000000u}) << "the mask goes unchanged";
}

TEST(ListComputersOfType, AnyFailureOrNoRecordGivesAnEmptyList) {
    for (uint32_t status : {0u, 234u, 6118u, 5u}) {  // none found, more data, no browser, access denied
        test::FakeNetApi net;
        net.servers = {status, status ? std::vector<ServerEntry>{{500, u"PC1", 5, 1}} : std::vector<ServerEntry>{}};
        EXPECT_TRUE(ListComputersOfType(net, 0xFFFFFFFFu).empty()) << status;
    }
}

TEST(TrimAtNul, CutsAtTheFirstNul) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"jane\0\0\0"s, u"jane"}, {u"a\0b\0"s, u"a"}, {u"plain", u"plain"}, {u"", u""}, {u"\0x"s, u""}};
    for (const auto& [s, trimmed] : cases) EXPECT_EQ(TrimAtNul(s), trimmed);
}

TEST(UserInfoBuffers, ServerGetsTwoBackslashesUnlessItHoldsTwoInARow) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"PC1", u"\\\\PC1"}, {u"\\\\PC1", u"\\\\PC1"}, {u"corp\\\\PC1", u"corp\\\\PC1"},
        {u"\\PC1", u"\\\\\\PC1"}, {u"a\\b\\c", u"\\\\a\\b\\c"}};
    for (const auto& [typed, server] : cases) EXPECT_EQ(ServerNameBuffer(typed), server + u'\0') << ToUtf8(typed);
    EXPECT_EQ(UserNameBuffer(u"jane"), u"jane\0"s);
}

TEST(FetchUserInfo, ShowsTheRecordInDisplayOrderOrFourEmptyStrings) {
    test::FakeNetApi net;
    net.users[{u"\\\\PC1", u"jane"}] = {u"jane", u"Account comment", u"Her own comment", u"Jane Doe"};
    net.users[{u"\\\\PC1", u"bare"}] = {u"bare", u"", u"", u""};
    const UserInfoRecord jane{u"jane", u"Jane Doe", u"Account comment", u"Her own comment"};
    const struct { std::u16string user; UserInfoRecord expected; } cases[] = {
        {u"jane", jane}, {u"bare", {u"bare", u"", u"", u""}}, {u"nobody", {}}, {u"jane", jane}};
    for (const auto& c : cases)
        EXPECT_EQ(FetchUserInfo(net, ServerNameBuffer(u"PC1"), UserNameBuffer(c.user)), c.expected) << ToUtf8(c.user);
    EXPECT_EQ(net.asked.size(), 4u);
}

}  // namespace
}  // namespace wf
