// The datagram is the three fields with their defaults, NUL-separated and
// ended by two NULs; the path names the recipient's messenger slot; the
// status is one of four and says Sent only for a whole write; a recipient
// with a separator or NUL is never written to.
#include "FuzzSupport.h"
#include "common/Text.h"
#include "fakes/FakeNetApi.h"
#include "tools/net/MailslotMessage.h"

using namespace wf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    test::FakeMailslots slots;
    const uint8_t how = in.Byte();
    slots.answer = {(how & 1) != 0, (how & 2) != 0, in.Word()};
    MailslotMessage m{in.Text(u'\n'), in.Text(u'\n'), in.Text()};
    const MailslotMessage d = WithDefaults(m);
    FUZZ_CHECK(d.from == (m.from.empty() ? kDefaultSender : m.from) && d.message == m.message);
    FUZZ_CHECK(d.dest == (m.dest.empty() ? kBroadcastDest : m.dest));
    const std::u16string gram = Datagram(d);
    FUZZ_CHECK(gram == d.from + u'\0' + d.dest + u'\0' + d.message + u'\0' + u'\0');
    FUZZ_CHECK(MailslotPath(d.dest) == u"\\\\" + d.dest + u"\\mailslot\\messngr");
    const std::u16string status = SendAMessage(slots, m.from, m.dest, m.message);
    if (m.message.empty()) {
        FUZZ_CHECK(status == mailslot_status::NoMessage && slots.sent.empty());
        return 0;
    }
    if (d.dest.find_first_of(std::u16string_view(u"\\/\0", 3)) != std::u16string::npos) {  // names another object
        FUZZ_CHECK(status == mailslot_status::WriteError && slots.sent.empty());
        return 0;
    }
    FUZZ_CHECK((slots.sent == decltype(slots.sent){{MailslotPath(d.dest), ToAnsi(gram)}}));
    const bool whole = slots.answer.bytesWritten >= gram.size();  // the fake writes at most what it was given
    FUZZ_CHECK((status == mailslot_status::Sent) == (slots.answer.opened && slots.answer.written && whole));
    FUZZ_CHECK(status == mailslot_status::Sent || status == mailslot_status::SizeMismatch ||
               status == mailslot_status::WriteError);
    return 0;
}
