#include "platform/win32/Forms.h"

#include <algorithm>
#include <exception>

#include "common/Errors.h"
#include "common/Text.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"

namespace wf::win {

DialogForm::DialogForm(Forms& forms, int templateId) : forms_(forms), templateId_(templateId) {}

DialogForm::~DialogForm() {
    if (hwnd_) {
        // Destroyed without Unload (program end): detach first so the window
        // procedure never sees a dead object.
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        HWND h = hwnd_;
        hwnd_ = nullptr;
        forms_.Removed(this);
        DestroyWindow(h);
    }
}

bool DialogForm::Create() {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), nullptr, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void DialogForm::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
}

void DialogForm::Unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

std::u16string DialogForm::Text(int id) const { return WindowText(Item(id)); }

void DialogForm::SetText(int id, std::u16string_view text) {
    const std::u16string s(text);
    SetDlgItemTextW(hwnd_, id, W(s));
}

INT_PTR CALLBACK DialogForm::DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<DialogForm*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<DialogForm*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        self->hwnd_ = dlg;
        self->forms_.Added(self);
    }
    if (!self) return FALSE;
    ++self->depth_;
    const INT_PTR result = self->GuardedDispatch(msg, wp, lp);
    if (--self->depth_ == 0 && self->destroyed_) self->forms_.Release(self);  // deletes self
    return result;
}

INT_PTR DialogForm::GuardedDispatch(UINT msg, WPARAM wp, LPARAM lp) {
    // An exception must never unwind into USER32: report it and carry on.
    try {
        return Dispatch(msg, wp, lp);
    } catch (...) {
        ShowEscapedException();
    }
    return FALSE;
}

INT_PTR DialogForm::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    INT_PTR result = FALSE;
    switch (msg) {
    case WM_INITDIALOG:
        Form_Load();
        return TRUE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wp), HIWORD(wp)) ? TRUE : FALSE;
    case WM_CLOSE:
        if (OnClose()) Unload();
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
    case WM_DROPFILES: {
        const auto drop = reinterpret_cast<HDROP>(wp);
        ScopeExit finish([drop] { DragFinish(drop); });
        OnDropFiles(drop);
        return TRUE;
    }
    case WM_DRAWITEM:
        return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)) ? TRUE : FALSE;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wp));
        return TRUE;
    case WM_DESTROY:
        Form_Unload();
        return TRUE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        hwnd_ = nullptr;
        destroyed_ = true;
        forms_.Removed(this);  // deleted when the last handler of ours returns
        // FALSE lets the dialog manager free what it made for the window,
        // the font of its template among them: TRUE leaked one per window.
        return FALSE;
    default:
        return OnMessage(msg, wp, lp, result) ? result : FALSE;
    }
}

Forms::~Forms() {
    // Owned windows go first, newest first; their destructors detach them.
    while (!owned_.empty()) {
        auto form = std::move(owned_.back().second);
        owned_.pop_back();
        form.reset();
    }
}

DialogForm* Forms::Find(std::string_view key) const {
    // A window already destroyed, whose object waits for its handlers to
    // return, no longer counts: the entry opens a fresh one.
    for (const auto& [k, form] : owned_)
        if (k == key && form->hwnd()) return form.get();
    return nullptr;
}

void Forms::Added(DialogForm* form) { loaded_.push_back(form); }

void Forms::Removed(DialogForm* form) {
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), form), loaded_.end());
    if (quitWhenEmpty_ && loaded_.empty()) PostQuitMessage(0);
}

void Forms::Release(DialogForm* form) {
    auto it = std::find_if(owned_.begin(), owned_.end(), [form](const auto& p) { return p.second.get() == form; });
    if (it == owned_.end()) return;
    auto doomed = std::move(it->second);  // deleted on leaving this scope
    owned_.erase(it);
}

void Forms::UnloadAll() {
    // Copy first: each unload changes the collection.
    const std::vector<DialogForm*> order = loaded_;
    for (DialogForm* form : order)
        if (std::find(loaded_.begin(), loaded_.end(), form) != loaded_.end()) form->Unload();
}

bool Forms::RouteDialogMessage(MSG& msg) const {
    for (DialogForm* form : loaded_)
        if (form->hwnd() && IsDialogMessageW(form->hwnd(), &msg)) return true;
    return false;
}

void Forms::Dispatch(MSG& msg) const {
    if (RouteDialogMessage(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop(const Forms& forms) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) forms.Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace wf::win
