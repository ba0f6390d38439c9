#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeTerminal.h"

namespace wf {
namespace {

using Runs = std::vector<std::pair<std::u16string, Colour>>;
using Calls = std::vector<std::string>;
constexpr Colour kRed = logcolour::Outgoing, kBlue = logcolour::Incoming, kBlack = logcolour::Errors,
                 kGreen = logcolour::Info;

struct Rig {
    test::FakeRichLog log;
    test::FakeTcpSocket socket;
    test::FakeTerminalView view{socket};
    test::FakePrompts prompts;
    TerminalSession session{view, log, socket, prompts};

    Rig() { socket.events = &session; }
    // Clicks Connect, the socket's events scripted one per pass of the wait.
    void Connect(std::u16string port, std::vector<std::function<void()>> passes, std::u16string server = u"h") {
        view.server = std::move(server);
        view.port = std::move(port);
        socket.script.assign(passes.begin(), passes.end());
        session.cmdConnect_Click();
    }
    bool Idle() const { return view.caption == kConnectCaption && view.serverPortEnabled && view.connectEnabled; }
};
struct Terminal : ::testing::Test, Rig {};

TEST_F(Terminal, ColouredTextColoursExactlyWhatItAppendsLineBreaksCountingOne) {
    session.Form_Load();
    for (auto [text, colour] : Runs{{u"a\r\nbc\r\n", kRed}, {u"OK\r\n\r\n", kBlue}, {u"x", kBlack}})
        AddColouredText(log, text, colour);
    EXPECT_EQ(log.Runs(), (Runs{{u"Simple Terminal 1.00 started, Compile date is December 16, 2004.|", kGreen},
                                {u"a|bc|", kRed}, {u"OK||", kBlue}, {u"x", kBlack}}));
    EXPECT_TRUE(log.selStart == log.text.size() && log.selEnd == log.text.size()) << "the caret ends at the end";
    session.cmdClear_Click();
    EXPECT_EQ(log.text, u"");
}

TEST_F(Terminal, PortIsReadLenientlyAndRoundedHalvesToEven) {
    const std::pair<std::u16string, std::string> cases[] = {  // "" for no connect
        {u"80abc", "80"}, {u"8.5", "8"}, {u"9.5", "10"}, {u"abc", ""}, {u"0", ""}};
    for (const auto& [port, used] : cases) {
        Rig r;
        r.Connect(port, {[&] { r.socket.Fail(10061, u"Connection is forcefully rejected"); }});
        if (used.empty()) {
            EXPECT_EQ(r.log.Runs(), (Runs{{u"Please type rtxStuff a valid txtPort and txtServer name!|", kBlack}}));
        } else {
            EXPECT_EQ(r.socket.calls, (Calls{"host=h", "port=" + used, "connect", "close"}));
            EXPECT_EQ(r.log.Runs(), (Runs{{u"Connecting to h on txtPort " + port + u", waiting for response...|", kGreen},
                                          {u"ERROR 10061 (Connection is forcefully rejected)|", kBlack},
                                          {u"Unable to connect!|", kGreen}}));
        }
        EXPECT_TRUE(r.Idle()) << ToUtf8(port);
    }
    Connect(u"80", {}, u"");  // an empty server
    EXPECT_TRUE(socket.calls.empty() && log.text.starts_with(u"Please type"));
}

TEST_F(Terminal, WaitsPassOverPendingStatesAndAPeerGoneAlreadyCountsAsConnected) {
    Connect(u"7", {[&] { socket.state = sck::ResolvingHost; }, [] {}, [&] { socket.state = sck::Closing; }});
    EXPECT_TRUE(view.passes == 3 && view.caption == kDisconnectCaption && view.connectEnabled);
    EXPECT_FALSE(view.serverPortEnabled) << "server and port stay disabled while connected";
    session.cmdConnect_Click();
    EXPECT_TRUE(Idle() && log.text.ends_with(u"Connected to 127.0.0.1|Disconnecting...|Disconnected.|"));
}

TEST_F(Terminal, RefusedStepsFollowTheAnswerOfTheReport) {
    const struct { std::string failing; int answer; Calls calls; std::u16string last; bool idle; } cases[] = {
        {"connect", answer::Retry, {"host=h", "port=5", "connect", "connect"}, u"Connected to 127.0.0.1|", false},
        // Ignored, a refused start leaves nothing pending: it ends as a failed connect.
        {"connect", answer::Ignore, {"host=h", "port=5", "connect", "close"}, u"Unable to connect!|", true},
        {"connect", answer::Abort, {"host=h", "port=5", "connect"}, u"waiting for response...|", false},
        {"host", answer::Ignore, {"host=h", "port=5", "connect"}, u"Connected to 127.0.0.1|", false},
        {"close", answer::Retry, {"host=h", "port=5", "connect", "close", "close"}, u"Disconnected.|", true}};
    for (const auto& c : cases) {
        Rig r;
        r.socket.failures[c.failing] = 1;
        r.prompts.answers = {c.answer};
        r.Connect(u"5", {[&] { r.socket.state = r.socket.state ? sck::Connected : sck::Closed; }});
        if (c.failing == "close") r.session.cmdConnect_Click();
        EXPECT_EQ(r.socket.calls, c.calls) << c.failing << c.answer;
        EXPECT_EQ(r.prompts.messages.at(0).title, u"Simple Terminal error");
        EXPECT_TRUE(r.log.text.ends_with(c.last) && r.Idle() == c.idle) << ToUtf8(r.log.text);
    }
    prompts.answers = {answer::Abort};
    Connect(u"-5", {});
    EXPECT_TRUE(prompts.messages.at(0).text.ends_with(u"\r\n\r\nInvalid property value (380)"));
    EXPECT_TRUE(log.text.empty() && Idle()) << "left before anything was logged or disabled";
}

TEST_F(Terminal, EachWaitEndsWithTheWindow) {
    view.duringPass = [&] { view.closed = true; };
    Connect(u"5", {});
    view.caption = kDisconnectCaption;
    socket.stateAfterClose = sck::Closing;  // a close still under way
    session.cmdConnect_Click();
    EXPECT_EQ(view.passes, 2);
    EXPECT_FALSE(log.text.ends_with(u"Unable to connect!|") || log.text.ends_with(u"Disconnected.|"));
}

TEST_F(Terminal, KeysSendsAndArrivals) {
    view.sendText = u"hello";
    session.cmdSend_Click();  // not connected: refused, logged, nothing ends
    Connect(u"23", {[&] { socket.state = sck::Connected; }});
    log.SetText(u"");
    view.sendText = kSendHint;
    EXPECT_FALSE(session.txtSend_KeyPress(u'h')) << "the key goes in, in place of the hint";
    EXPECT_EQ(view.sendText, u"");
    view.sendText = u"h\u00E9llo";
    EXPECT_TRUE(session.txtSend_KeyPress(u'\r'));
    EXPECT_TRUE(socket.calls.back() == "send=h\xE9llo\r\n" && view.sendText.empty());
    for (const char* data : {"O", "K\r\n"}) socket.Arrive(data);
    socket.state = sck::Closing;  // the peer has closed: noticed at the next key, which is refused
    EXPECT_TRUE(session.txtSend_KeyPress(u'x'));
    EXPECT_TRUE(session.txtSend_KeyPress(u'\b')) << "not even a backspace while disconnected";
    EXPECT_EQ(log.Runs(), (Runs{{u"h\u00E9llo|", kRed}, {u"O|K||", kBlue},
                                {u"Remote closed connection, Disconnecting...|Disconnected.|", kGreen}}));
    EXPECT_TRUE(view.beeps == 2 && Idle());
    EXPECT_EQ(socket.calls.front(), "send=hello\r\n");
}

}  // namespace
}  // namespace wf
