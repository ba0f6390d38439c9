#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeTerminal.h"
#include "tools/net/TerminalSession.h"

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
    // Clicks Connect with the socket's events scripted one per pass.
    void Connect(std::u16string server, std::u16string port, std::vector<std::function<void()>> passes) {
        view.server = std::move(server);
        view.port = std::move(port);
        socket.script.assign(passes.begin(), passes.end());
        session.cmdConnect_Click();
    }
    void Connected() {
        Connect(u"h", u"23", {[&] { socket.state = sck::Connected; }});
        log.SetText(u"");
        socket.calls.clear();
    }
    bool Idle() const { return view.caption == kConnectCaption && view.serverPortEnabled && view.connectEnabled; }
};

struct Terminal : ::testing::Test, Rig {};

TEST_F(Terminal, ColouredTextColoursExactlyWhatItAppendsLineBreaksCountingOne) {
    session.Form_Load();
    AddColouredText(log, u"a\r\nbc\r\n", kRed);
    AddColouredText(log, u"OK\r\n\r\n", kBlue);
    AddColouredText(log, u"Remote closed connection, ", kGreen);
    AddColouredText(log, u"x", kBlack);
    EXPECT_EQ(log.Runs(), (Runs{{u"Simple Terminal 1.00 started, Compile date is December 16, 2004.|", kGreen},
                                {u"a|bc|", kRed}, {u"OK||", kBlue}, {u"Remote closed connection, ", kGreen},
                                {u"x", kBlack}}));
    EXPECT_TRUE(log.selStart == log.text.size() && log.selEnd == log.text.size()) << "the caret ends at the end";
    session.cmdClear_Click();
    EXPECT_EQ(log.text, u"");
}

TEST_F(Terminal, PortIsReadLenientlyAndRoundedHalvesToEven) {
    const std::u16string please = u"Please type rtxStuff a valid txtPort and txtServer name!|";
    const struct { std::u16string server, port; Calls calls; } cases[] = {
        {u"h", u"80abc", {"host=h", "port=80", "connect", "close"}}, {u"h", u"8.5", {"host=h", "port=8", "connect", "close"}},
        {u"h", u"9.5", {"host=h", "port=10", "connect", "close"}},   {u"h", u"&H10", {"host=h", "port=16", "connect", "close"}},
        {u"h", u"abc", {}}, {u"h", u"0", {}}, {u"", u"80", {}}};
    for (const auto& c : cases) {
        Rig r;
        r.Connect(c.server, c.port, {[&] { r.socket.Fail(10061, u"refused"); }});
        EXPECT_EQ(r.socket.calls, c.calls) << ToUtf8(c.port);
        const auto expected = c.calls.empty() ? std::make_pair(please, kBlack)
                                              : std::make_pair(u"Connecting to h on txtPort " + c.port +
                                                                   u", waiting for response...|", kGreen);
        EXPECT_EQ(r.log.Runs().at(0), expected) << ToUtf8(c.port);
        EXPECT_TRUE(r.Idle());
    }
}

TEST_F(Terminal, ConnectsThenDisconnectsWithEveryLineInItsColour) {
    Connect(u"localhost", u"7", {[&] { socket.state = sck::ResolvingHost; }, [] {},
                                 [&] { socket.state = sck::Connected; }});
    EXPECT_EQ(view.passes, 3);
    EXPECT_EQ(view.caption, kDisconnectCaption);
    EXPECT_TRUE(view.connectEnabled && !view.serverPortEnabled) << "server and port stay disabled while connected";
    session.cmdConnect_Click();
    EXPECT_EQ(log.Runs(), (Runs{{u"Connecting to localhost on txtPort 7, waiting for response...|Connected to "
                                 u"127.0.0.1|Disconnecting...|Disconnected.|", kGreen}}));
    EXPECT_EQ(socket.calls, (Calls{"host=localhost", "port=7", "connect", "close"}));
    EXPECT_TRUE(Idle());
}

TEST_F(Terminal, FailedConnectLogsTheErrorThenUnableAndAPeerGoneAlreadyCountsAsConnected) {
    Connect(u"h", u"1", {[&] { socket.Fail(10061, u"Connection is forcefully rejected"); }});
    EXPECT_EQ(log.Runs(), (Runs{{u"Connecting to h on txtPort 1, waiting for response...|", kGreen},
                                {u"ERROR 10061 (Connection is forcefully rejected)|", kBlack},
                                {u"Unable to connect!|", kGreen}}));
    EXPECT_EQ(socket.calls.back(), "close");
    EXPECT_TRUE(Idle());
    Connect(u"h", u"1", {[&] { socket.state = sck::Closing; }});
    EXPECT_EQ(view.caption, kDisconnectCaption);
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
        r.Connect(u"h", u"5", {[&] { r.socket.state = r.socket.state ? sck::Connected : sck::Closed; }});
        if (c.failing == "close") r.session.cmdConnect_Click();
        EXPECT_EQ(r.socket.calls, c.calls) << c.failing << c.answer;
        EXPECT_EQ(r.prompts.messages.at(0).title, u"Simple Terminal error");
        EXPECT_TRUE(r.log.Shown().ends_with(c.last)) << ToUtf8(r.log.Shown());
        EXPECT_EQ(r.Idle(), c.idle) << c.failing << c.answer;
    }
    prompts.answers = {answer::Abort};
    Connect(u"h", u"-5", {});
    EXPECT_EQ(prompts.messages.back().text,
              u"An error occured while executing this command:\r\n\r\nInvalid property value (380)");
    EXPECT_TRUE(log.text.empty() && Idle()) << "left before anything was logged or disabled";
}

TEST_F(Terminal, EachWaitEndsWithTheWindow) {
    view.duringPass = [&] { view.closed = true; };
    Connect(u"h", u"5", {});
    EXPECT_EQ(view.passes, 1);
    view.caption = kDisconnectCaption;
    socket.state = sck::Connected;
    socket.stateAfterClose = sck::Closing;  // a close still under way
    session.cmdConnect_Click();
    EXPECT_EQ(view.passes, 2);
    EXPECT_FALSE(log.Shown().ends_with(u"Disconnected.|"));
}

TEST_F(Terminal, KeysInTheSendBox) {
    Connected();
    EXPECT_FALSE(session.txtSend_KeyPress(u'h')) << "the key goes in, in place of the hint";
    EXPECT_EQ(view.sendText, u"");
    view.sendText = u"h\u00E9llo";
    EXPECT_TRUE(session.txtSend_KeyPress(u'\r'));
    EXPECT_EQ(socket.calls, Calls{"send=h\xE9llo\r\n"});
    EXPECT_EQ(view.sendText, u"");
    // The peer has closed: noticed at the next key, which is refused.
    socket.state = sck::Closing;
    EXPECT_TRUE(session.txtSend_KeyPress(u'x'));
    EXPECT_EQ(log.Runs(), (Runs{{u"h\u00E9llo|", kRed},
                                {u"Remote closed connection, Disconnecting...|Disconnected.|", kGreen}}));
    EXPECT_EQ(view.beeps, 1);
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(session.txtSend_KeyPress(u'\b')) << "not even a backspace while disconnected";
    EXPECT_EQ(view.beeps, 2);
}

TEST_F(Terminal, SendWhileDisconnectedLogsTheRefusalAndArrivalsAreLinesOfTheirOwn) {
    view.sendText = u"hello";
    session.cmdSend_Click();
    EXPECT_EQ(log.Runs(), (Runs{{u"hello|", kRed}, {u"ERROR 40006 (Wrong connection state)|", kBlack}}));
    Connected();
    for (const char* data : {"O", "K\r\n", "\xE9"}) socket.Arrive(data);
    socket.Fail(10054, u"The connection is reset by remote side");
    EXPECT_EQ(log.Runs(), (Runs{{u"O|K||\u00E9|", kBlue}, {u"ERROR 10054 (The connection is reset by remote side)|", kBlack}}));
    EXPECT_EQ(view.caption, kDisconnectCaption) << "socket events only write to the log";
    EXPECT_TRUE(session.txtSend_KeyPress(u'a'));
}

}  // namespace
}  // namespace wf
