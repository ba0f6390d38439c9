#pragma once
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/TcpSocket.h"
#include "platform/win32/Handle.h"

namespace wf::win {

// The socket control over Winsock: the connect, the data and the closing are
// notified to a message-only window (WSAAsyncSelect), so the events run from
// the program's own message processing. Host names are looked up
// asynchronously as well.
class Win32TcpSocket : public TcpSocket {
public:
    explicit Win32TcpSocket(TcpSocketEvents& events);
    ~Win32TcpSocket() override;
    Win32TcpSocket(const Win32TcpSocket&) = delete;
    Win32TcpSocket& operator=(const Win32TcpSocket&) = delete;

    void SetRemoteHost(std::u16string_view host) override { host_ = host; }
    void SetRemotePort(int32_t port) override;
    void Connect() override;
    int32_t State() const override { return state_; }
    std::u16string RemoteHostIP() const override { return remoteIp_; }
    void SendData(std::string_view bytes) override;
    std::string GetData() override;
    void Close() override;

    // The control's description of a Winsock or control error number.
    static std::u16string ErrorText(int32_t number);

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnSelect(SOCKET s, int event, int error);
    void OnResolved(HANDLE request, int error);
    void StartConnect(unsigned long address);
    void Fail(int error);
    void DeliverPendingData();

    // Windows Sockets for the life of the object, when it starts.
    struct Winsock {
        bool started;
        Winsock();
        ~Winsock();
        Winsock(const Winsock&) = delete;
        Winsock& operator=(const Winsock&) = delete;
    };
    static void CloseSocket(SOCKET s) { closesocket(s); }
    using UniqueSocket = Unique<SOCKET, CloseSocket, -1>;  // -1 is INVALID_SOCKET

    TcpSocketEvents& events_;
    Winsock winsock_;
    UniqueWindow window_;  // receives the socket's events
    UniqueSocket socket_;
    HANDLE lookup_ = nullptr;
    std::vector<char> hostEntry_;
    std::u16string host_, remoteIp_;
    int32_t port_ = 0;
    int32_t state_ = sck::Closed;
};

}  // namespace wf::win
