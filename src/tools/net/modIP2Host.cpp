#include "tools/net/modIP2Host.h"

#include "common/Text.h"

namespace wf {

bool SocketsInitialize(Sockets& sockets) { return sockets.Startup(kSocketsVersion) == 0; }

void SocketsCleanup(Sockets& sockets, Prompts& prompts) {
    if (sockets.Cleanup() != 0) prompts.MsgBox(u"Windows Sockets error occurred in Cleanup.", u"", mb::Exclamation);
}

std::u16string GetHostNameFromIP(Sockets& sockets, Prompts& prompts, std::u16string_view ip) {
    if (!SocketsInitialize(sockets)) {
        prompts.MsgBox(u"Sockets failed to initialize.", u"", mb::OkOnly);
        return {};
    }
    std::u16string name;
    const uint32_t address = sockets.InetAddr(ToAnsi(ip));
    if (address == kInaddrNone) {
        prompts.MsgBox(u"String passed is an invalid IP.", u"", mb::OkOnly);
    } else if (const auto host = sockets.HostByAddr(address); !host) {
        prompts.MsgBox(u"Call to gethostbyaddr failed.", u"", mb::OkOnly);
    } else {
        name = FromAnsi(host->name);
    }
    SocketsCleanup(sockets, prompts);
    return name;
}

}  // namespace wf
