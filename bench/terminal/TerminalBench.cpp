// The terminal's log under a fast stream, through the real window.
//   terminal_bench serve PORT BYTES   serve one client BYTES in 4 KiB writes
//   terminal_bench client BYTES       serve the window the same stream and time
//                                     it until the log holds every byte
// run.sh sets the client's figures against nc receiving the served stream.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/win32/Forms.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32Prompts.h"
#include "tools/net/frmSimpleTerminal.h"
#include "tools/net/frmSimpleTerminalIds.h"

namespace {

SOCKET Listen(u_short port) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    at.sin_port = htons(port);
    bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at);
    listen(s, 1);
    return s;
}

u_short PortOf(SOCKET s) {
    sockaddr_in at{};
    int size = sizeof at;
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &size);
    return ntohs(at.sin_port);
}

// Letters only: no line break of its own, so the log's breaks count arrivals.
void Stream(SOCKET listener, size_t bytes) {
    SOCKET s = accept(listener, nullptr, nullptr);
    std::string chunk(4096, ' ');
    for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>('a' + i % 26);
    for (size_t sent = 0; sent < bytes;) {
        const int n = send(s, chunk.data(), static_cast<int>(std::min(chunk.size(), bytes - sent)), 0);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
    }
    shutdown(s, SD_SEND);
    closesocket(s);
}

int paints = 0;
LRESULT CALLBACK CountPaints(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_PAINT) ++paints;
    return DefSubclassProc(w, msg, wp, lp);
}

size_t LogLength(HWND rtx) {
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<size_t>(SendMessageW(rtx, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

int Client(size_t bytes) {
    SOCKET listener = Listen(0);
    std::thread server(Stream, listener, bytes);
    wf::win::Forms forms;
    wf::win::Win32EventPump pump(forms);
    wf::win::Win32Prompts prompts;
    HWND dlg = forms.Open<wf::frmSimpleTerminal>("frmSimpleTerminal", prompts, pump).hwnd();
    HWND rtx = GetDlgItem(dlg, IDC_ST_RTXSTUFF);
    SetWindowSubclass(rtx, CountPaints, 1, 0);
    SendMessageW(GetDlgItem(dlg, IDC_ST_CMDCLEAR), BM_CLICK, 0, 0);
    SetDlgItemTextW(dlg, IDC_ST_TXTSERVER, L"127.0.0.1");
    SetDlgItemTextW(dlg, IDC_ST_TXTPORT, std::to_wstring(PortOf(listener)).c_str());

    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    SendMessageW(GetDlgItem(dlg, IDC_ST_CMDCONNECT), BM_CLICK, 0, 0);
    // Every byte, plus one line break per arrival and the two status lines.
    const DWORD start = GetTickCount();
    std::u16string text;
    for (;;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        pump.DoEvents();
        if (LogLength(rtx) >= bytes) {
            text.assign(LogLength(rtx) + 1, u'\0');
            GETTEXTEX get{static_cast<DWORD>(text.size() * 2), GT_DEFAULT, 1200, nullptr, nullptr};
            text.resize(static_cast<size_t>(SendMessageW(rtx, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                                         reinterpret_cast<LPARAM>(text.data()))));
            size_t letters = 0;
            for (char16_t c : text) letters += c >= u'a' && c <= u'z';
            // "Connecting to 127.0.0.1 ..." and "Connected to 127.0.0.1" add a few letters too.
            if (letters >= bytes + 40) break;
        }
        if (GetTickCount() - start > 600000) {
            std::fprintf(stderr, "terminal_bench: the log holds %zu characters after 10 minutes\n", LogLength(rtx));
            return 1;
        }
    }
    QueryPerformanceCounter(&t1);
    size_t lines = 0, letters = 0;
    for (char16_t c : text) (c == u'\r' ? lines : letters) += 1;
    std::printf("seconds %.6f\nlog_chars %zu\nline_breaks %zu\nletters %zu\npaints %d\n",
                static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart), text.size(),
                lines, letters, paints);
    forms.UnloadAll();
    closesocket(listener);
    server.join();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    int rc = 2;
    if (argc == 4 && std::string(argv[1]) == "serve") {
        SOCKET listener = Listen(static_cast<u_short>(std::atoi(argv[2])));
        std::printf("listening\n");
        std::fflush(stdout);
        Stream(listener, std::strtoull(argv[3], nullptr, 10));
        closesocket(listener);
        rc = 0;
    } else if (argc == 3 && std::string(argv[1]) == "client") {
        rc = Client(std::strtoull(argv[2], nullptr, 10));
    } else {
        std::fprintf(stderr, "usage: terminal_bench serve PORT BYTES | client BYTES\n");
    }
    WSACleanup();
    return rc;
}
