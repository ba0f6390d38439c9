#pragma once
// frmSimpleTerminal: a line-oriented TCP client with a coloured log.
#include <windows.h>

#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Win32RichLog.h"
#include "platform/win32/Win32TcpSocket.h"
#include "tools/net/TerminalSession.h"

namespace wf {

class frmSimpleTerminal : public win::DialogForm, private TerminalView, private TcpSocketEvents {
public:
    frmSimpleTerminal(win::Forms& forms, Prompts& prompts, EventPump& pump);

    void cmdConnect_Click() { session_.cmdConnect_Click(); }
    void cmdSend_Click() { session_.cmdSend_Click(); }
    void cmdClear_Click() { session_.cmdClear_Click(); }
    void cmdExit_Click() { Unload(); }

    // The most characters the log takes: far beyond the control's 32 K default.
    static constexpr LPARAM kLogLimit = 0x7FFFFFFE;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool OnCommand(int id, int notifyCode) override;
    HBRUSH OnCtlColor(HDC dc, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    static void LoadRichEdit();
    static LRESULT CALLBACK SendBoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);

    // TerminalView
    std::u16string ServerText() override;
    std::u16string PortText() override;
    std::u16string SendText() override;
    void SetSendText(std::u16string_view text) override;
    std::u16string ConnectCaption() override;
    void SetConnectCaption(std::u16string_view caption) override;
    void EnableServerAndPort(bool enabled) override;
    void EnableConnect(bool enabled) override;
    void Beep() override;
    void PumpEvents() override;
    bool Closed() override { return hwnd() == nullptr; }

    // TcpSocketEvents
    void DataArrival(size_t bytesTotal) override;
    void Error(int32_t number, std::u16string_view description) override;

    void Enable(int id, bool enabled);

    EventPump& pump_;
    win::Win32RichLog log_;
    win::Win32TcpSocket socket_;
    TerminalSession session_;
    DWORD lastPaint_ = 0;
};

}  // namespace wf
