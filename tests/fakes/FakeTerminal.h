#pragma once
// The terminal's services as doubles: a log that keeps a line break as one
// character like RichEdit, a socket whose events are scripted one step per
// pass of the window's event processing, and the window's controls.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/Errors.h"
#include "tools/net/TerminalSession.h"

namespace wf::test {

class FakeRichLog : public RichLog {
public:
    std::u16string text;          // "|" for each line break
    std::vector<Colour> colours;  // one per character
    size_t selStart = 0, selEnd = 0;

    size_t TextLength() override { return text.size(); }
    void Select(size_t start, size_t length) override {
        selStart = std::min(start, text.size());
        selEnd = std::min(start + length, text.size());
    }
    void ReplaceSelection(std::u16string_view s) override {
        std::u16string stored(s);
        for (size_t at; (at = stored.find(u"\r\n")) != std::u16string::npos;) stored.replace(at, 2, u"|");
        text.replace(selStart, selEnd - selStart, stored);
        colours.erase(colours.begin() + selStart, colours.begin() + selEnd);
        colours.insert(colours.begin() + selStart, stored.size(), 0xABCDEF);  // no colour of the log's
        selStart = selEnd = selStart + stored.size();
    }
    void ColourSelection(Colour c) override { std::fill(colours.begin() + selStart, colours.begin() + selEnd, c); }
    void SetText(std::u16string_view s) override {
        Select(0, text.size());
        ReplaceSelection(s);
    }
    std::vector<std::pair<std::u16string, Colour>> Runs() const {
        std::vector<std::pair<std::u16string, Colour>> runs;
        for (size_t i = 0; i < text.size(); ++i) {
            if (runs.empty() || runs.back().second != colours[i]) runs.push_back({u"", colours[i]});
            runs.back().first += text[i];
        }
        return runs;
    }
};

class FakeTcpSocket : public TcpSocket {
public:
    TcpSocketEvents* events = nullptr;
    int32_t state = sck::Closed, stateAfterClose = sck::Closed;
    std::vector<std::string> calls;
    std::map<std::string, int> failures;       // call name: refusals to come
    std::deque<std::function<void()>> script;  // a step per pass of event processing
    std::string incoming;

    void SetRemoteHost(std::u16string_view host) override { Call("host=" + std::string(host.begin(), host.end())); }
    void SetRemotePort(int32_t port) override {
        Call("port=" + std::to_string(port));
        if (port < 0 || port > 65535) throw CommandError(380, u"Invalid property value");
    }
    void Connect() override { Call("connect"), state = sck::Connecting; }
    int32_t State() const override { return state; }
    std::u16string RemoteHostIP() const override { return u"127.0.0.1"; }
    void SendData(std::string_view bytes) override {
        Call("send=" + std::string(bytes));
        if (state != sck::Connected) throw CommandError(40006, u"Wrong connection state");
    }
    std::string GetData() override { return std::exchange(incoming, ""); }
    void Close() override { Call("close"), state = stateAfterClose; }
    void Pass() {
        if (script.empty()) return;
        const auto step = std::move(script.front());
        script.pop_front();
        step();
    }
    void Arrive(std::string data) { incoming = std::move(data), events->DataArrival(incoming.size()); }
    void Fail(int32_t number, std::u16string_view text) { state = sck::Error, events->Error(number, text); }

private:
    void Call(const std::string& call) {
        calls.push_back(call);
        if (int& left = failures[call.substr(0, call.find('='))]; left > 0 && left--)
            throw CommandError(40020, u"Invalid operation at current state");
    }
};

class FakeTerminalView : public TerminalView {
public:
    explicit FakeTerminalView(FakeTcpSocket& socket) : socket_(socket) {}
    std::u16string server, port, sendText{kSendHint}, caption{kConnectCaption};
    bool serverPortEnabled = true, connectEnabled = true, closed = false;
    int beeps = 0, passes = 0;
    std::function<void()> duringPass;

    std::u16string ServerText() override { return server; }
    std::u16string PortText() override { return port; }
    std::u16string SendText() override { return sendText; }
    void SetSendText(std::u16string_view t) override { sendText = t; }
    std::u16string ConnectCaption() override { return caption; }
    void SetConnectCaption(std::u16string_view c) override { caption = c; }
    void EnableServerAndPort(bool on) override { serverPortEnabled = on; }
    void EnableConnect(bool on) override { connectEnabled = on; }
    void Beep() override { ++beeps; }
    void PumpEvents() override {
        if (++passes > 1000) throw std::logic_error("a wait did not end");
        socket_.Pass();
        if (duringPass) duringPass();
    }
    bool Closed() override { return closed; }

private:
    FakeTcpSocket& socket_;
};

}  // namespace wf::test
