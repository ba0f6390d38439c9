#pragma once
// The simple terminal apart from its window: the coloured log, the connect
// and disconnect sequence with its two waits, the send path, the key rules
// of the send box and the two socket events.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Colour.h"
#include "platform/Prompts.h"
#include "platform/RichLog.h"
#include "platform/TcpSocket.h"

namespace wf {

inline constexpr std::u16string_view kTerminalCommand = u"Simple Terminal";
inline constexpr std::u16string_view kSendHint = u"Type text to send here...";
inline constexpr std::u16string_view kConnectCaption = u"Connect";
inline constexpr std::u16string_view kDisconnectCaption = u"Disconnect";

namespace logcolour {
inline constexpr Colour Outgoing = 255, Incoming = 0xFF0000, Errors = 0, Info = 0x008000;
}  // namespace logcolour

// Appends `txt` to the end of the log and colours exactly those characters.
void AddColouredText(RichLog& log, std::u16string_view txt, Colour clr);

// What the connection logic needs of its window.
class TerminalView {
public:
    virtual ~TerminalView() = default;
    virtual std::u16string ServerText() = 0;
    virtual std::u16string PortText() = 0;
    virtual std::u16string SendText() = 0;
    virtual void SetSendText(std::u16string_view text) = 0;
    virtual std::u16string ConnectCaption() = 0;
    virtual void SetConnectCaption(std::u16string_view caption) = 0;
    virtual void EnableServerAndPort(bool enabled) = 0;
    virtual void EnableConnect(bool enabled) = 0;
    virtual void Beep() = 0;
    // Lets pending window events run (the socket's events among them),
    // waiting a little for one when none is pending.
    virtual void PumpEvents() = 0;
    // The window is gone; a wait must end.
    virtual bool Closed() = 0;
};

class TerminalSession : public TcpSocketEvents {
public:
    TerminalSession(TerminalView& view, RichLog& log, TcpSocket& socket, Prompts& prompts)
        : view_(view), log_(log), socket_(socket), prompts_(prompts) {}

    void Form_Load();
    void cmdConnect_Click();
    void cmdSend_Click();
    // KeyPress of txtSend; true when the key is swallowed.
    bool txtSend_KeyPress(char16_t key);
    void cmdClear_Click();

    void DataArrival(size_t bytesTotal) override;
    void Error(int32_t number, std::u16string_view description) override;

private:
    void Connect();
    void Disconnect();
    void Log(std::u16string_view text, Colour colour) { AddColouredText(log_, text, colour); }

    TerminalView& view_;
    RichLog& log_;
    TcpSocket& socket_;
    Prompts& prompts_;
    int waits_ = 0;  // connect or disconnect waits running
};

}  // namespace wf
