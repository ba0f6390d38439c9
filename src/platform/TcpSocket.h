#pragma once
// One TCP client socket in the manner of the classic socket control: a state
// number, an asynchronous connect, and events for arriving data and errors.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wf {

// The control's published state numbers.
namespace sck {
inline constexpr int32_t Closed = 0, Open = 1, Listening = 2, ConnectionPending = 3, ResolvingHost = 4,
                         HostResolved = 5, Connecting = 6, Connected = 7, Closing = 8, Error = 9;
}  // namespace sck

// Raised from the window's event processing, never from inside a call.
class TcpSocketEvents {
public:
    virtual ~TcpSocketEvents() = default;
    virtual void DataArrival(size_t bytesTotal) = 0;
    virtual void Error(int32_t number, std::u16string_view description) = 0;
};

// Refusals throw CommandError with the control's numbers (380 invalid
// property value, 40006 wrong connection state, 40020 invalid operation).
class TcpSocket {
public:
    virtual ~TcpSocket() = default;
    virtual void SetRemoteHost(std::u16string_view host) = 0;
    virtual void SetRemotePort(int32_t port) = 0;
    virtual void Connect() = 0;
    virtual int32_t State() const = 0;
    virtual std::u16string RemoteHostIP() const = 0;
    // Bytes as they go on the wire.
    virtual void SendData(std::string_view bytes) = 0;
    // Everything that has arrived and not been read yet.
    virtual std::string GetData() = 0;
    virtual void Close() = 0;
};

}  // namespace wf
