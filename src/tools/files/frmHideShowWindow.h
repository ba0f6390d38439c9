#pragma once
// frmHideShowWindow: the visible and hidden top-level windows in two sorted
// lists, refreshed every five seconds, with Hide and Show.
#include <windows.h>

#include <memory>

#include "platform/WindowList.h"
#include "platform/win32/Forms.h"
#include "tools/files/HideShowLists.h"

namespace wf {

// A list box as a TitleList: entries carry their window handle as
// pointer-sized item data.
class ListBoxTitles : public TitleList {
public:
    explicit ListBoxTitles(HWND list = nullptr) : list_(list) {}
    void Attach(HWND list) { list_ = list; }
    void Fill(const std::vector<Entry>& entries) override;
    int Count() override;
    std::u16string Text(int index) override;
    std::optional<int> Selected() override;
    WindowHandle Data(int index) override;
    void Select(int index) override;

private:
    HWND list_;
};

class frmHideShowWindow : public win::DialogForm {
public:
    frmHideShowWindow(win::Forms& forms, WindowList& windows);

    void lblUpdate_Timer();
    void cmdHide_Click();
    void cmdShow_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnTimer(UINT_PTR id) override;

private:
    ListBoxTitles visible_, hidden_;
    HideShowLists lists_;
};

}  // namespace wf
