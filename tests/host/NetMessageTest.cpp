#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeMailslots.h"
#include "tools/net/MailslotMessage.h"

namespace wf {
namespace {

using namespace std::string_literals;

TEST(PostMailslotMessage, WritesTheDatagramWithItsDefaultsToTheRecipientsMailslot) {
    const struct { std::u16string from, dest, message, path; std::string bytes; } cases[] = {
        {u"", u"", u"hi", u"\\\\*\\mailslot\\messngr", "Mailslot System Message\0*\0hi\0\0"s},
        {u"A", u"PC1", u"x", u"\\\\PC1\\mailslot\\messngr", "\x41\x00\x50\x43\x31\x00\x78\x00\x00"s},
        {u"Me", u"", u"line 1\r\nline 2", u"\\\\*\\mailslot\\messngr", "Me\0*\0line 1\r\nline 2\0\0"s},
        {u"", u".", u"\u00e9\u20ac", u"\\\\.\\mailslot\\messngr", "Mailslot System Message\0.\0\xe9\x80\0\0"s}};
    for (const auto& c : cases) {
        test::FakeMailslots slots;
        EXPECT_EQ(SendAMessage(slots, c.from, c.dest, c.message), mailslot_status::Sent) << ToUtf8(c.message);
        ASSERT_EQ(slots.sent.size(), 1u);
        EXPECT_EQ(slots.sent[0].path, c.path);
        EXPECT_EQ(slots.sent[0].bytes, c.bytes) << ToUtf8(c.message);
    }
    EXPECT_EQ(cases[0].bytes.size(), 30u);
}

TEST(PostMailslotMessage, GivesOneOfTheFourStatusStrings) {
    const struct { bool opens, writes; size_t shortBy; std::u16string_view status; } cases[] = {
        {true, true, 0, mailslot_status::Sent},         {true, true, 1, mailslot_status::SizeMismatch},
        {true, false, 0, mailslot_status::WriteError},  {false, true, 0, mailslot_status::WriteError}};
    for (const auto& c : cases) {
        test::FakeMailslots slots;
        slots.opens = c.opens;
        slots.writes = c.writes;
        slots.shortBy = c.shortBy;
        EXPECT_EQ(SendAMessage(slots, u"a", u"b", u"c"), c.status) << c.opens << c.writes << c.shortBy;
    }
    EXPECT_EQ(mailslot_status::SizeMismatch, u"Message sent but bytes written <> message size.");
    EXPECT_EQ(mailslot_status::WriteError, u"Error writing the message.");
}

TEST(PostMailslotMessage, RefusesAnEmptyTextAndRecipientsThatNameAnotherObject) {
    test::FakeMailslots slots;
    EXPECT_EQ(SendAMessage(slots, u"from", u"to", u""), u"No message specified; nothing to do.");
    for (const std::u16string& dest : {u"?\\C:\\x"s, u"a/b"s, u"PC\0x"s})
        EXPECT_EQ(SendAMessage(slots, u"", dest, u"text"), mailslot_status::WriteError) << ToUtf8(dest);
    EXPECT_TRUE(slots.sent.empty()) << "nothing opened";
}

TEST(WithDefaults, FillsOnlyEmptyFields) {
    EXPECT_EQ(WithDefaults({u"", u"", u"m"}).from + u"|" + WithDefaults({u"", u"", u"m"}).dest,
              u"Mailslot System Message|*");
    const MailslotMessage kept = WithDefaults({u" ", u"PC", u"m"});
    EXPECT_EQ(kept.from + u"|" + kept.dest + u"|" + kept.message, u" |PC|m");
    EXPECT_EQ(Datagram({u"f", u"d", u"m"}), std::u16string(u"f\0d\0m\0\0", 7));
}

}  // namespace
}  // namespace wf
