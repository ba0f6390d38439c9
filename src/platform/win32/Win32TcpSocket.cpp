#include "platform/win32/Win32TcpSocket.h"

#include <algorithm>
#include <exception>

#include "common/Errors.h"
#include "common/Text.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinUtil.h"

namespace wf::win {
namespace {

constexpr UINT kSelectMessage = WM_APP + 1;
constexpr UINT kResolvedMessage = WM_APP + 2;
constexpr wchar_t kWindowClass[] = L"WrenfoldSocketWindow";
// One arrival is at most this much, so a fast stream still lets the window
// paint and take input between arrivals.
constexpr size_t kMaxArrival = 1 << 20;

constexpr int32_t kInvalidPropertyValue = 380, kBadState = 40006, kInvalidOp = 40020;

struct ErrorName {
    int32_t number;
    std::u16string_view text;
};

constexpr ErrorName kErrorTexts[] = {
    {kInvalidPropertyValue, u"Invalid property value"},
    {kBadState, u"Wrong protocol or connection state for the requested transaction or request"},
    {kInvalidOp, u"Invalid operation at current state"},
    {WSAEINTR, u"The operation was canceled"},
    {WSAEWOULDBLOCK, u"Socket is non-blocking and the specified operation will block"},
    {WSAEMSGSIZE, u"The datagram is too large to fit into the buffer and is truncated"},
    {WSAEADDRINUSE, u"Address in use"},
    {WSAEADDRNOTAVAIL, u"Address not available from the local machine"},
    {WSAENETDOWN, u"Network subsystem failed"},
    {WSAENETUNREACH, u"The network cannot be reached from this host at this time"},
    {WSAENETRESET, u"Connection has timed out when SO_KEEPALIVE is set"},
    {WSAECONNABORTED, u"Connection is aborted due to timeout or other failure"},
    {WSAECONNRESET, u"The connection is reset by remote side"},
    {WSAENOBUFS, u"No buffer space is available"},
    {WSAEISCONN, u"Socket is already connected"},
    {WSAENOTCONN, u"Socket is not connected"},
    {WSAESHUTDOWN, u"Socket has been shut down"},
    {WSAETIMEDOUT, u"Attempt to connect timed out"},
    {WSAECONNREFUSED, u"Connection is forcefully rejected"},
    {WSAEHOSTUNREACH, u"No route to host"},
    {WSAHOST_NOT_FOUND, u"Authoritative answer: Host not found"},
    {WSATRY_AGAIN, u"Non-Authoritative answer: Host not found"},
    {WSANO_RECOVERY, u"Non-recoverable errors"},
    {WSANO_DATA, u"Valid name, no data record of requested type"}};

[[noreturn]] void Refuse(int32_t number) { throw CommandError(number, Win32TcpSocket::ErrorText(number)); }

void RegisterWindowClass(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kWindowClass, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
}

}  // namespace

std::u16string Win32TcpSocket::ErrorText(int32_t number) {
    for (const ErrorName& e : kErrorTexts)
        if (e.number == number) return std::u16string(e.text);
    return u"Unexpected socket error";
}

Win32TcpSocket::Winsock::Winsock() {
    WSADATA data;
    started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

Win32TcpSocket::Winsock::~Winsock() {
    if (started) WSACleanup();
}

Win32TcpSocket::Win32TcpSocket(TcpSocketEvents& events) : events_(events) {
    RegisterWindowClass(WindowProc);
    window_.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32TcpSocket::~Win32TcpSocket() { Close(); }

LRESULT CALLBACK Win32TcpSocket::WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32TcpSocket*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self || (msg != kSelectMessage && msg != kResolvedMessage)) return DefWindowProcW(wnd, msg, wp, lp);
    // The events run the window's handlers: nothing may unwind into USER32.
    try {
        if (msg == kSelectMessage)
            self->OnSelect(static_cast<SOCKET>(wp), WSAGETSELECTEVENT(lp), WSAGETSELECTERROR(lp));
        else
            self->OnResolved(reinterpret_cast<HANDLE>(wp), WSAGETASYNCERROR(lp));
    } catch (...) {
        ShowEscapedException();
    }
    return 0;
}

void Win32TcpSocket::SetRemotePort(int32_t port) {
    if (port < 0 || port > 65535) Refuse(kInvalidPropertyValue);
    port_ = port;
}

void Win32TcpSocket::Connect() {
    if (state_ != sck::Closed) Refuse(kInvalidOp);
    if (!winsock_.started || !window_) Refuse(WSAENETDOWN);
    if (port_ == 0) Refuse(WSAEADDRNOTAVAIL);
    const std::string host = ToAnsi(host_);
    const unsigned long address = inet_addr(host.c_str());
    if (address != INADDR_NONE) {
        StartConnect(address);
        if (state_ == sck::Error) {
            state_ = sck::Closed;
            Refuse(WSAENOBUFS);
        }
        return;
    }
    hostEntry_.assign(MAXGETHOSTSTRUCT, 0);
    lookup_ = WSAAsyncGetHostByName(window_.get(), kResolvedMessage, host.c_str(), hostEntry_.data(),
                                    static_cast<int>(hostEntry_.size()));
    if (!lookup_) Refuse(WSAGetLastError());
    state_ = sck::ResolvingHost;
}

void Win32TcpSocket::OnResolved(HANDLE request, int error) {
    if (request != lookup_ || state_ != sck::ResolvingHost) return;  // cancelled or closed since
    lookup_ = nullptr;
    if (error) return Fail(error);
    const auto* entry = reinterpret_cast<const hostent*>(hostEntry_.data());
    if (!entry->h_addr_list || !entry->h_addr_list[0]) return Fail(WSANO_DATA);
    state_ = sck::HostResolved;
    StartConnect(*reinterpret_cast<const unsigned long*>(entry->h_addr_list[0]));
}

void Win32TcpSocket::StartConnect(unsigned long address) {
    socket_.reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!socket_) return Fail(WSAGetLastError());
    if (WSAAsyncSelect(socket_.get(), window_.get(), kSelectMessage, FD_CONNECT | FD_READ | FD_CLOSE) != 0)
        return Fail(WSAGetLastError());
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(port_));
    to.sin_addr.s_addr = address;
    state_ = sck::Connecting;
    if (connect(socket_.get(), reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 &&
        WSAGetLastError() != WSAEWOULDBLOCK)
        Fail(WSAGetLastError());
}

void Win32TcpSocket::OnSelect(SOCKET s, int event, int error) {
    if (!socket_ || s != socket_.get()) return;  // a socket closed since
    switch (event) {
    case FD_CONNECT: {
        if (error) return Fail(error);
        sockaddr_in peer{};
        int size = sizeof peer;
        getpeername(socket_.get(), reinterpret_cast<sockaddr*>(&peer), &size);
        remoteIp_ = ToU16(inet_ntoa(peer.sin_addr));
        state_ = sck::Connected;
        break;
    }
    case FD_READ:
        if (error) return Fail(error);
        DeliverPendingData();
        break;
    case FD_CLOSE:
        // What the peer sent before closing is still shown.
        DeliverPendingData();
        if (error) return Fail(error);
        if (state_ == sck::Connected) state_ = sck::Closing;
        break;
    }
}

void Win32TcpSocket::DeliverPendingData() {
    u_long available = 0;
    if (ioctlsocket(socket_.get(), FIONREAD, &available) == 0 && available > 0) events_.DataArrival(available);
}

void Win32TcpSocket::Fail(int error) {
    state_ = sck::Error;
    events_.Error(error, ErrorText(error));
}

void Win32TcpSocket::SendData(std::string_view bytes) {
    if (state_ != sck::Connected) Refuse(kBadState);
    while (!bytes.empty()) {
        const int n = send(socket_.get(), bytes.data(), static_cast<int>(std::min<size_t>(bytes.size(), 1 << 20)), 0);
        if (n > 0) {
            bytes.remove_prefix(static_cast<size_t>(n));
            continue;
        }
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK) Refuse(error);
        // The socket is non-blocking: wait, bounded, until it can take more.
        fd_set writable;
        FD_ZERO(&writable);
        FD_SET(socket_.get(), &writable);
        timeval limit{10, 0};
        if (select(0, nullptr, &writable, nullptr, &limit) != 1) Refuse(WSAETIMEDOUT);
    }
}

std::string Win32TcpSocket::GetData() {
    std::string data;
    if (!socket_) return data;
    char buffer[65536];
    while (data.size() < kMaxArrival) {
        const int n = recv(socket_.get(), buffer, sizeof buffer, 0);
        if (n <= 0) break;  // nothing more for now, closed, or failed: the events tell
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

void Win32TcpSocket::Close() {
    if (lookup_) WSACancelAsyncRequest(lookup_);
    lookup_ = nullptr;
    socket_.reset();
    state_ = sck::Closed;
}

}  // namespace wf::win
