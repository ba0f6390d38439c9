#pragma once
// modHost2IP: the name-to-address look-up and the dotted formatter.
#include <string>
#include <string_view>

#include "platform/Sockets.h"

namespace wf {

// The first IPv4 address of a host, dotted; empty when the name does not
// resolve. The caller has started the sockets library.
std::u16string GetIPFromHostName(Sockets& sockets, std::u16string_view host);

// Four address bytes in network order (the characters' codes) as
// "a.b.c.d", without leading zeros or blanks.
std::u16string DottedIPFromBytes(std::string_view bytes);

}  // namespace wf
