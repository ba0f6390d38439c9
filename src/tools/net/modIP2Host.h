#pragma once
// modIP2Host: the sockets library's start-up and clean-up, and the
// address-to-name look-up.
#include <string>
#include <string_view>

#include "platform/Prompts.h"
#include "platform/Sockets.h"

namespace wf {

// Windows Sockets 1.1.
inline constexpr uint16_t kSocketsVersion = 0x0101;

// True when the library started; every true is paired with one SocketsCleanup.
bool SocketsInitialize(Sockets& sockets);
// Stops the library; a failure is told to the user.
void SocketsCleanup(Sockets& sockets, Prompts& prompts);

// The official name registered for a dotted IPv4 address; empty on any
// failure, most of them told to the user. Starts and stops the library itself.
std::u16string GetHostNameFromIP(Sockets& sockets, Prompts& prompts, std::u16string_view ip);

}  // namespace wf
