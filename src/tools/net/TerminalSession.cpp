#include "tools/net/TerminalSession.h"

#include <string>

#include "common/ErrorReport.h"
#include "common/LenientNumber.h"
#include "common/Text.h"
#include "shell/ShellLogic.h"

namespace wf {
namespace {

std::u16string Decimal(int64_t n) { return ToU16(std::to_string(n)); }

// Counts the waits in progress for as long as one runs.
class Waiting {
public:
    explicit Waiting(int& count) : count_(count) { ++count_; }
    ~Waiting() { --count_; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    int& count_;
};

}  // namespace

void AddColouredText(RichLog& log, std::u16string_view txt, Colour clr) {
    const size_t length = log.TextLength();
    log.Select(length + 1, 0);  // one past the end: the view clamps it to the end
    // Typed in the colour already, so the colouring below finds it done,
    // which a view may tell cheaply; the result is the same either way.
    log.ColourSelection(clr);
    log.ReplaceSelection(txt);
    log.Select(length, txt.size());
    log.ColourSelection(clr);
    log.Select(log.TextLength() + 1, 0);
}

void TerminalSession::Form_Load() {
    Log(u"Simple Terminal 1.00 started, Compile date is " + std::u16string(kApp.buildComment) + u".\r\n",
        logcolour::Info);
}

void TerminalSession::cmdConnect_Click() {
    const std::u16string caption = view_.ConnectCaption();
    if (caption == kConnectCaption) {
        Connect();
    } else if (caption == kDisconnectCaption) {
        Disconnect();
    }
}

void TerminalSession::Connect() {
    const auto step = [this](auto&& body) { return RunStep(prompts_, kTerminalCommand, body) != StepResult::Aborted; };
    const std::u16string server = view_.ServerText();
    const std::u16string portText = view_.PortText();
    double port = 0;  // stays 0 when an unreadable port is ignored
    if (!step([&] { port = ReadLenientNumber(portText); })) return;
    if (server.empty() || port == 0) {
        Log(u"Please type rtxStuff a valid txtPort and txtServer name!\r\n", logcolour::Errors);
        return;
    }
    if (!step([&] { socket_.SetRemoteHost(server); })) return;
    if (!step([&] { socket_.SetRemotePort(RoundToInt32(port)); })) return;
    Log(u"Connecting to " + server + u" on txtPort " + portText + u", waiting for response...\r\n",
        logcolour::Info);
    view_.EnableServerAndPort(false);
    view_.EnableConnect(false);
    if (!step([&] { socket_.Connect(); })) return;

    int32_t state;
    {
        Waiting waiting(waits_);
        // Ends on connected or failed; also on a peer that has already
        // closed again (8, it was connected), on a socket that is closed with
        // nothing pending (its start was refused and the user went on), and
        // with the window.
        for (;;) {
            view_.PumpEvents();
            if (view_.Closed()) return;
            state = socket_.State();
            if (state == sck::Connected || state == sck::Closing || state == sck::Error || state == sck::Closed)
                break;
        }
    }
    if (state == sck::Connected || state == sck::Closing) {
        std::u16string ip;
        if (!step([&] { ip = socket_.RemoteHostIP(); })) return;
        Log(u"Connected to " + ip + u"\r\n", logcolour::Info);
        view_.SetConnectCaption(kDisconnectCaption);
        view_.EnableConnect(true);
        return;
    }
    Log(u"Unable to connect!\r\n", logcolour::Info);
    if (!step([&] { socket_.Close(); })) return;
    view_.EnableServerAndPort(true);
    view_.EnableConnect(true);
}

void TerminalSession::Disconnect() {
    Log(u"Disconnecting...\r\n", logcolour::Info);
    if (RunStep(prompts_, kTerminalCommand, [&] { socket_.Close(); }) == StepResult::Aborted) return;
    view_.EnableServerAndPort(true);
    view_.SetConnectCaption(kConnectCaption);
    {
        Waiting waiting(waits_);
        while (socket_.State() > sck::Closed) {
            view_.PumpEvents();
            if (view_.Closed()) return;
        }
    }
    Log(u"Disconnected.\r\n", logcolour::Info);
}

void TerminalSession::cmdSend_Click() {
    const std::u16string text = view_.SendText();
    Log(text + u"\r\n", logcolour::Outgoing);
    try {
        socket_.SendData(ToAnsi(text + u"\r\n"));
    } catch (const CommandError& e) {
        // Nothing traps this in the send handler: refused (no connection),
        // it is shown like the socket's own errors rather than ending things.
        Error(e.number(), e.description());
    }
}

bool TerminalSession::txtSend_KeyPress(char16_t key) {
    // Within a wait the peer-closed step would start a second connect or
    // disconnect inside the first: the key is just refused then.
    if (socket_.State() == sck::Closing && waits_ == 0) {
        Log(u"Remote closed connection, ", logcolour::Info);
        cmdConnect_Click();
        if (view_.Closed()) return true;
    }
    if (socket_.State() == sck::Connected) {
        if (view_.SendText() == kSendHint) view_.SetSendText(u"");
        if (key == u'\r') {
            cmdSend_Click();
            view_.SetSendText(u"");
            return true;
        }
        return false;
    }
    view_.Beep();
    return true;
}

void TerminalSession::cmdClear_Click() { log_.SetText(u""); }

void TerminalSession::DataArrival(size_t /*bytesTotal*/) {
    Log(FromAnsi(socket_.GetData()) + u"\r\n", logcolour::Incoming);
}

void TerminalSession::Error(int32_t number, std::u16string_view description) {
    Log(u"ERROR " + Decimal(number) + u" (" + std::u16string(description) + u")\r\n", logcolour::Errors);
}

}  // namespace wf
