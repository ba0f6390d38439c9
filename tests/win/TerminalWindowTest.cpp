// The simple terminal as a real (headless) window against real TCP peers on
// 127.0.0.1, started by each test in a thread of its own. Colours are read
// from the RichEdit log's character formats.
#include <winsock2.h>
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32EventPump.h"
#include "tools/net/frmSimpleTerminal.h"
#include "tools/net/frmSimpleTerminalIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using Runs = std::vector<std::pair<std::u16string, COLORREF>>;
constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kBlack = 0, kGreen = 0x008000;

// A listening socket on 127.0.0.1 that serves one connection in a thread.
class Peer {
public:
    using Serve = std::function<void(SOCKET, Peer&)>;
    explicit Peer(Serve serve) {
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof at;
        bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &size);
        port = ntohs(at.sin_port);
        listen(listener_, 1);
        thread_ = std::thread([this, serve] {
            SOCKET s = accept(listener_, nullptr, nullptr);
            if (s == INVALID_SOCKET) return;
            serve(s, *this);
            closesocket(s);
        });
    }
    ~Peer() {
        closesocket(listener_);  // ends an accept still waiting
        thread_.join();
    }
    std::string Received() {
        std::lock_guard<std::mutex> lock(mutex_);
        return received_;
    }
    void Add(const char* data, int n) {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.append(data, static_cast<size_t>(n));
    }
    int port = 0;

private:
    SOCKET listener_;
    std::thread thread_;
    std::mutex mutex_;
    std::string received_;
};

void Echo(SOCKET s, Peer& peer) {
    char buffer[4096];
    for (int n; (n = recv(s, buffer, sizeof buffer, 0)) > 0;) {
        peer.Add(buffer, n);
        send(s, buffer, n, 0);
    }
}

void SayOkAndClose(SOCKET s, Peer&) { send(s, "OK\r\n", 4, 0); }

struct TerminalWindow : ::testing::Test {
    win::Forms forms;
    win::Win32EventPump pump{forms};
    test::FakePrompts prompts;
    HWND dlg = nullptr, rtx = nullptr;
    WSADATA wsa{};

    void SetUp() override {
        WSAStartup(MAKEWORD(2, 2), &wsa);
        dlg = forms.Open<frmSimpleTerminal>("frmSimpleTerminal", prompts, pump).hwnd();
        rtx = Ctl(IDC_ST_RTXSTUFF);
    }
    void TearDown() override {
        forms.UnloadAll();
        WSACleanup();
    }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void Type(std::u16string_view keys) {
        for (char16_t c : keys) SendMessageW(Ctl(IDC_ST_TXTSEND), WM_CHAR, c, 1);
    }
    void Connect(int port, const std::u16string& host = u"127.0.0.1") {
        Put(IDC_ST_TXTSERVER, host);
        Put(IDC_ST_TXTPORT, ToU16(std::to_string(port)));
        Click(IDC_ST_CMDCONNECT);
    }
    // The log as the control stores it, line breaks shown as "|".
    std::u16string Log() const {
        GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
        std::u16string s(static_cast<size_t>(SendMessageW(rtx, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0)) + 1, u'\0');
        GETTEXTEX get{static_cast<DWORD>(s.size() * 2), GT_DEFAULT, 1200, nullptr, nullptr};
        s.resize(static_cast<size_t>(SendMessageW(rtx, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(s.data()))));
        for (char16_t& c : s)
            if (c == u'\r') c = u'|';
        return s;
    }
    // Runs of one colour, read character by character from the control.
    Runs ColourRuns() const {
        const std::u16string text = Log();
        Runs runs;
        for (size_t i = 0; i < text.size(); ++i) {
            CHARRANGE one{static_cast<LONG>(i), static_cast<LONG>(i + 1)};
            SendMessageW(rtx, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
            CHARFORMAT2W f{};
            f.cbSize = sizeof f;
            SendMessageW(rtx, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
            if (runs.empty() || runs.back().second != f.crTextColor) runs.push_back({u"", f.crTextColor});
            runs.back().first += text[i];
        }
        return runs;
    }
    // Lets the window's events run until `done`, for at most `seconds`.
    bool RunUntil(const std::function<bool()>& done, int seconds = 20) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > static_cast<DWORD>(seconds) * 1000) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            pump.DoEvents();
        }
        return true;
    }
    void ClearLog() { Click(IDC_ST_CMDCLEAR); }
};

const std::u16string kBanner = u"Simple Terminal 1.00 started, Compile date is December 16, 2004.|";

TEST_F(TerminalWindow, OpensWithItsControlsAndALogThatTakesFarMoreThanTheDefault) {
    std::u16string all = test::WindowText(dlg);
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (c != rtx) all.append(u"|").append(test::WindowText(c));
    EXPECT_EQ(all, u"Simple Terminal v1.0|Connection Info|Server:||Port:||Connect|Clear|Exit|Type text to send "
                   u"here...|Send|Colour Legend|Outgoing|Incoming|Errors|Info");
    EXPECT_EQ(ColourRuns(), (Runs{{kBanner, kGreen}}));
    EXPECT_GE(SendMessageW(rtx, EM_GETLIMITTEXT, 0, 0), 64 << 20);
    ClearLog();
    EXPECT_EQ(Log(), u"") << "no banner after Clear";
}

TEST_F(TerminalWindow, SendsALineToAnEchoServerAndShowsTheReplyInBlue) {
    Peer peer(Echo);
    Connect(peer.port, u"localhost");  // looked up by name first
    EXPECT_EQ(Get(IDC_ST_CMDCONNECT), u"Disconnect");
    EXPECT_FALSE(IsWindowEnabled(Ctl(IDC_ST_TXTSERVER)) || IsWindowEnabled(Ctl(IDC_ST_TXTPORT)));
    Type(u"hello\r");
    EXPECT_EQ(Get(IDC_ST_TXTSEND), u"") << "the hint went at the first key, the line at Enter";
    ASSERT_TRUE(RunUntil([&] { return Log().ends_with(u"hello||"); }));
    EXPECT_EQ(peer.Received(), "hello\r\n");
    Click(IDC_ST_CMDCONNECT);
    const std::u16string connecting =
        u"Connecting to localhost on txtPort " + ToU16(std::to_string(peer.port)) + u", waiting for response...|";
    EXPECT_EQ(ColourRuns(), (Runs{{kBanner + connecting + u"Connected to 127.0.0.1|", kGreen}, {u"hello|", kRed},
                                  {u"hello||", kBlue}, {u"Disconnecting...|Disconnected.|", kGreen}}));
    EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_ST_TXTSERVER)) && Get(IDC_ST_CMDCONNECT) == u"Connect");
}

TEST_F(TerminalWindow, RefusedConnectLogsTheErrorInBlackThenUnableInGreen) {
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof at;
    bind(probe, reinterpret_cast<sockaddr*>(&at), sizeof at);
    getsockname(probe, reinterpret_cast<sockaddr*>(&at), &size);
    closesocket(probe);  // a port with nothing listening
    ClearLog();
    Connect(ntohs(at.sin_port));
    const Runs runs = ColourRuns();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1], std::make_pair(std::u16string(u"ERROR 10061 (Connection is forcefully rejected)|"), kBlack));
    EXPECT_EQ(runs[2], std::make_pair(std::u16string(u"Unable to connect!|"), kGreen));
    for (int id : {IDC_ST_TXTSERVER, IDC_ST_TXTPORT, IDC_ST_CMDCONNECT}) EXPECT_TRUE(IsWindowEnabled(Ctl(id))) << id;
    // Sent while disconnected: logged, then refused in black; nothing ends.
    ClearLog();
    Click(IDC_ST_CMDSEND);
    EXPECT_EQ(ColourRuns(), (Runs{{u"Type text to send here...|", kRed},
                                  {u"ERROR 40006 (Wrong protocol or connection state for the requested transaction "
                                   u"or request)|", kBlack}}));
}

TEST_F(TerminalWindow, APeerThatClosedIsNoticedAtTheNextKey) {
    Peer peer(SayOkAndClose);
    Connect(peer.port);
    // The reply may come before "Connected to" is written: the wait runs events.
    ASSERT_TRUE(RunUntil([&] { return Log().find(u"OK||") != std::u16string::npos; })) << ToUtf8(Log());
    ClearLog();
    Type(u"x");
    EXPECT_EQ(ColourRuns(), (Runs{{u"Remote closed connection, Disconnecting...|Disconnected.|", kGreen}}));
    EXPECT_EQ(Get(IDC_ST_TXTSEND), u"Type text to send here...") << "the key was swallowed";
    EXPECT_EQ(Get(IDC_ST_CMDCONNECT), u"Connect");
}

TEST_F(TerminalWindow, ClosingTheWindowEndsTheConnectWait) {
    Peer peer(Echo);
    PostMessageW(dlg, WM_CLOSE, 0, 0);  // taken by the wait's first pass
    Connect(peer.port);
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
}

TEST_F(TerminalWindow, KeepsEveryByteOfAFastStream) {
    // 4 MB in 4 KiB writes; the benchmark streams 50 MB and times it.
    static constexpr size_t kBytes = 4 << 20;
    Peer peer([](SOCKET s, Peer&) {
        char go[4];
        if (recv(s, go, sizeof go, 0) <= 0) return;  // streams once the client says so
        std::string chunk(4096, ' ');
        for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>('a' + i % 26);
        for (size_t sent = 0; sent < kBytes; sent += chunk.size()) send(s, chunk.data(), static_cast<int>(chunk.size()), 0);
    });
    Connect(peer.port);
    ClearLog();
    const auto incoming = [&] {
        std::u16string text = Log().substr(3);  // after "go|"
        std::erase(text, u'|');
        return text;
    };
    Type(u"go\r");
    const auto length = [&] { return static_cast<size_t>(SendMessageW(rtx, WM_GETTEXTLENGTH, 0, 0)); };
    ASSERT_TRUE(RunUntil([&] { return length() >= kBytes; }, 120)) << length();
    const std::u16string text = incoming();
    EXPECT_EQ(text.size(), kBytes);
    for (size_t i = 0; i < text.size(); i += 4093) ASSERT_EQ(text[i], u'a' + (i % 4096) % 26) << i;
}

}  // namespace
}  // namespace wf
