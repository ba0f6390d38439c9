// The simple terminal as a real (headless) window against real TCP peers on
// 127.0.0.1, each served by a thread of the test. Colours are read from the
// RichEdit log's character formats. (The 50 MB stream is bench/terminal's.)
#include <winsock2.h>
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Win32EventPump.h"
#include "tools/net/frmSimpleTerminal.h"
#include "tools/net/frmSimpleTerminalIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using Runs = std::vector<std::pair<std::u16string, COLORREF>>;
constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kBlack = 0, kGreen = 0x008000;
const std::u16string kBanner = u"Simple Terminal 1.00 started, Compile date is December 16, 2004.|";

// Listens on a free port of 127.0.0.1 and serves one client; with no
// handler, the port is closed again: nothing listens there.
class Peer {
public:
    explicit Peer(std::function<void(SOCKET)> serve = nullptr) : listener_(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in at{AF_INET, 0, {}, {}};
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof at;
        bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &size);
        port = ntohs(at.sin_port);
        if (serve && listen(listener_, 1) == 0)
            thread_ = std::thread([this, serve] {
                if (SOCKET s = accept(listener_, nullptr, nullptr); s != INVALID_SOCKET) serve(s), closesocket(s);
            });
        else
            closesocket(listener_);
    }
    ~Peer() {
        closesocket(listener_);  // ends an accept still waiting
        if (thread_.joinable()) thread_.join();
    }
    int port = 0;

private:
    SOCKET listener_;
    std::thread thread_;
};

struct TerminalWindow : ::testing::Test {
    win::Forms forms;  // the window's socket starts Winsock for the peers too
    win::Win32EventPump pump{forms};
    test::FakePrompts prompts;
    HWND dlg = forms.Open<frmSimpleTerminal>("frmSimpleTerminal", prompts, pump).hwnd();
    HWND rtx = GetDlgItem(dlg, IDC_ST_RTXSTUFF);

    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void Type(std::u16string_view keys) { for (char16_t c : keys) SendMessageW(Ctl(IDC_ST_TXTSEND), WM_CHAR, c, 1); }
    void Connect(int port, const std::u16string& host = u"127.0.0.1") {
        const std::u16string typed = ToU16(std::to_string(port));
        test::Drive(dlg, {{IDC_ST_TXTSERVER, host}, {IDC_ST_TXTPORT, typed}, {IDC_ST_CMDCONNECT}});
    }
    // The log in runs of one colour, line breaks (one character each) as "|".
    Runs ColourRuns() const {
        Runs runs;
        GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
        const auto n = SendMessageW(rtx, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
        for (LONG i = 0; i < n; ++i) {
            CHARRANGE one{i, i + 1};
            wchar_t c[2] = L"";
            SendMessageW(rtx, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
            SendMessageW(rtx, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(c));
            CHARFORMAT2W f{};
            f.cbSize = sizeof f;
            SendMessageW(rtx, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
            if (runs.empty() || runs.back().second != f.crTextColor) runs.push_back({u"", f.crTextColor});
            runs.back().first += c[0] == L'\r' ? u'|' : static_cast<char16_t>(c[0]);
        }
        return runs;
    }
    std::u16string Log() const {
        std::u16string all;
        for (const auto& run : ColourRuns()) all += run.first;
        return all;
    }
    // Lets the window's events run until `done`, for at most 20 seconds.
    bool RunUntil(const std::function<bool()>& done) {
        for (const DWORD start = GetTickCount(); !done(); pump.DoEvents())
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT), GetTickCount() - start > 20000)
                return false;
        return true;
    }
};

TEST_F(TerminalWindow, SendsALineShowsTheReplyInBlueAndNoticesThePeerGoneAtTheNextKey) {
    EXPECT_GE(SendMessageW(rtx, EM_GETLIMITTEXT, 0, 0), 64 << 20) << "far beyond the default 32 K";
    Peer peer([](SOCKET s) {  // echoes one line byte for byte, then closes: the blue line is what it received
        std::string line;
        char buffer[4096];
        for (int n; !line.ends_with("\n") && (n = recv(s, buffer, sizeof buffer, 0)) > 0;) line.append(buffer, n);
        send(s, line.data(), static_cast<int>(line.size()), 0);
    });
    Connect(peer.port, u"localhost");  // looked up by name first
    EXPECT_FALSE(IsWindowEnabled(Ctl(IDC_ST_TXTSERVER)) || IsWindowEnabled(Ctl(IDC_ST_TXTPORT)));
    Type(u"hello\r");
    EXPECT_EQ(Get(IDC_ST_TXTSEND), u"") << "the hint went at the first key, the line at Enter";
    ASSERT_TRUE(RunUntil([&] { return Log().ends_with(u"hello||"); }));
    Type(u"x");
    const std::u16string connecting =
        u"Connecting to localhost on txtPort " + ToU16(std::to_string(peer.port)) + u", waiting for response...|";
    EXPECT_EQ(ColourRuns(), (Runs{{kBanner + connecting + u"Connected to 127.0.0.1|", kGreen}, {u"hello|", kRed},
                                  {u"hello||", kBlue},
                                  {u"Remote closed connection, Disconnecting...|Disconnected.|", kGreen}}));
    EXPECT_EQ(Get(IDC_ST_TXTSEND), u"") << "the key was swallowed";
    EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_ST_TXTSERVER)) && Get(IDC_ST_CMDCONNECT) == u"Connect");
    Click(IDC_ST_CMDCLEAR);
    EXPECT_EQ(Log(), u"") << "no banner after Clear";
}

TEST_F(TerminalWindow, RefusedConnectAndSendWhileDisconnectedAreLoggedInBlack) {
    Click(IDC_ST_CMDCLEAR);
    Connect(Peer().port);
    Click(IDC_ST_CMDSEND);
    const Runs runs = ColourRuns();
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[1], Runs::value_type(u"ERROR 10061 (Connection is forcefully rejected)|", kBlack));
    EXPECT_EQ(runs[2], Runs::value_type(u"Unable to connect!|", kGreen));
    EXPECT_EQ(runs[4], Runs::value_type(u"ERROR 40006 (Wrong protocol or connection state for the requested "
                                        u"transaction or request)|", kBlack));
}

TEST_F(TerminalWindow, ClosingTheWindowEndsTheConnectWait) {
    Peer peer([](SOCKET) {});
    PostMessageW(dlg, WM_CLOSE, 0, 0);  // taken by the wait's first pass
    Connect(peer.port);
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
}

}  // namespace
}  // namespace wf
