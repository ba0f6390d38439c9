#include "tools/net/MailslotMessage.h"

#include "common/Text.h"

namespace wf {
namespace {

// A recipient is a computer, user or domain name or "*". A separator or a NUL
// in it would make the path name some other object (a pipe, a local file
// opened for writing), so such a recipient is treated as one that cannot be
// opened.
bool SafeRecipient(std::u16string_view dest) {
    return dest.find_first_of(std::u16string_view(u"\\/\0", 3)) == std::u16string_view::npos;
}

}  // namespace

MailslotMessage WithDefaults(MailslotMessage m) {
    if (m.dest.empty()) m.dest = std::u16string(kBroadcastDest);
    if (m.from.empty()) m.from = std::u16string(kDefaultSender);
    return m;
}

std::u16string MailslotPath(std::u16string_view dest) {
    std::u16string path(u"\\\\");
    path.append(dest).append(u"\\mailslot\\messngr");
    return path;
}

std::u16string Datagram(const MailslotMessage& m) {
    std::u16string d;
    d.reserve(m.from.size() + m.dest.size() + m.message.size() + 4);
    d.append(m.from).push_back(u'\0');
    d.append(m.dest).push_back(u'\0');
    d.append(m.message).append(2, u'\0');
    return d;
}

std::u16string PostMailslotMessage(Mailslots& slots, MailslotMessage m) {
    if (m.message.empty()) return std::u16string(mailslot_status::NoMessage);
    m = WithDefaults(std::move(m));
    if (!SafeRecipient(m.dest)) return std::u16string(mailslot_status::WriteError);
    const std::u16string datagram = Datagram(m);
    // The whole datagram goes out whatever the code page makes of its length;
    // a byte count that differs from the character count is then reported, not
    // hidden behind a write cut short at the character count.
    const std::string bytes = ToAnsi(datagram);
    const MailslotWrite w = slots.Write(MailslotPath(m.dest), bytes);
    if (!w.opened || !w.written) return std::u16string(mailslot_status::WriteError);
    if (w.bytesWritten != datagram.size()) return std::u16string(mailslot_status::SizeMismatch);
    return std::u16string(mailslot_status::Sent);
}

std::u16string SendAMessage(Mailslots& slots, std::u16string_view from, std::u16string_view dest,
                            std::u16string_view message) {
    return PostMailslotMessage(slots, MailslotMessage{std::u16string(from), std::u16string(dest), std::u16string(message)});
}

}  // namespace wf
