#pragma once
// The LAN message sender's logic: one datagram to the `messngr` mailslot of
// a computer, or of every computer of the domain for "*".
#include <string>
#include <string_view>

#include "platform/Mailslots.h"

namespace wf {

struct MailslotMessage {
    std::u16string from;
    std::u16string dest;
    std::u16string message;
};

namespace mailslot_status {
inline constexpr std::u16string_view Sent = u"The message was successfully sent.";
inline constexpr std::u16string_view SizeMismatch = u"Message sent but bytes written <> message size.";
inline constexpr std::u16string_view WriteError = u"Error writing the message.";
inline constexpr std::u16string_view NoMessage = u"No message specified; nothing to do.";
}  // namespace mailslot_status

inline constexpr std::u16string_view kDefaultSender = u"Mailslot System Message";
inline constexpr std::u16string_view kBroadcastDest = u"*";

// The record with its defaults applied: "*" for an empty recipient, the
// system sender for an empty sender.
MailslotMessage WithDefaults(MailslotMessage m);
// Two backslashes, the recipient, "\mailslot\messngr".
std::u16string MailslotPath(std::u16string_view dest);
// from NUL dest NUL message NUL NUL, as characters (before the ANSI codec).
std::u16string Datagram(const MailslotMessage& m);

// Applies the defaults, writes the datagram and returns one of the four
// status strings.
std::u16string PostMailslotMessage(Mailslots& slots, MailslotMessage m);
std::u16string SendAMessage(Mailslots& slots, std::u16string_view from, std::u16string_view dest,
                            std::u16string_view message);

}  // namespace wf
