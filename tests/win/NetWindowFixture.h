#pragma once
// Driving one network window at a time through its controls. Any real
// message box that comes up is noted and answered with OK, so a failure
// shows as a finding rather than a test that hangs.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "win/WinTestSupport.h"

namespace wf::test {

struct NetWindowFixture : ::testing::Test {
    win::Forms forms;
    HWND dlg = nullptr;
    std::vector<std::u16string> boxes;  // "title|text" of each real message box
    std::optional<DialogAnswerer> answerer{std::in_place, [this](HWND box) {
        if (!GetDlgItem(box, 0xFFFF)) return;  // not a message box: a tool window is a dialog too
        boxes.push_back(WindowText(box) + u"|" + MessageBoxText(box));
        PressButton(box, IDOK);
    }};

    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return WindowText(Ctl(id)); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    // The window's caption and then every control's text, in the order of the controls.
    std::u16string Texts() const {
        std::u16string all = WindowText(dlg);
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all.append(u"|").append(WindowText(c));
        return all;
    }
    // A key press as the message loop gets it, sent through the dialogs' routing.
    bool PressKey(HWND control, WPARAM key) {
        SetFocus(control);
        MSG msg{control, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
        const bool consumed = forms.RouteDialogMessage(msg);
        PumpMessages();
        return consumed;
    }
    bool PressKey(int id, WPARAM key) { return PressKey(Ctl(id), key); }
    // A user's choice of a combo row: the selection and its notification.
    void Choose(int id, int row) {
        SendMessageW(Ctl(id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Ctl(id)));
    }
    std::vector<std::u16string> ListLines(int id) const {
        std::vector<std::u16string> lines;
        const auto n = SendMessageW(Ctl(id), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            std::u16string s(static_cast<size_t>(SendMessageW(Ctl(id), LB_GETTEXTLEN, i, 0)), u'\0');
            SendMessageW(Ctl(id), LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data()));
            lines.push_back(s);
        }
        return lines;
    }
    void TearDown() override { EXPECT_TRUE(boxes.empty()) << "unexpected message box: " << boxes.size(); }
};

}  // namespace wf::test
