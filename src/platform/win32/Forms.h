#pragma once
// Modeless dialog windows and the collection of loaded windows: the
// one-instance rule for tool windows, unloading everything in load order, and
// the message loop that gives each window its Tab, Enter and Esc keys.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wf::win {

class Forms;

class DialogForm {
public:
    DialogForm(Forms& forms, int templateId);
    virtual ~DialogForm();
    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;

    // Creates the window hidden; Form_Load runs before this returns.
    bool Create();
    void Show();
    // Destroys the window; Form_Unload runs and the window leaves the collection.
    void Unload();
    HWND hwnd() const { return hwnd_; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Typed hooks, so no form unpacks message parameters itself.
    // A control's or menu entry's command; false leaves it to the dialog.
    virtual bool OnCommand(int /*id*/, int /*notifyCode*/) { return false; }
    // The close box; false puts the close off (the default unloads).
    virtual bool OnClose() { return true; }
    // A static, edit or list control about to paint: its background brush
    // (after setting the DC's colours), or nullptr for the usual look.
    virtual HBRUSH OnCtlColor(HDC /*dc*/, HWND /*control*/) { return nullptr; }
    // Files dropped on a window that accepts them; the drop is freed after.
    virtual void OnDropFiles(HDROP /*drop*/) {}
    // An owner-drawn control; false when it is not one of ours.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // Any other message; true when handled, with the dialog result in `result`.
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& /*result*/) { return false; }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::u16string Text(int id) const;
    void SetText(int id, std::u16string_view text);

    Forms& forms_;

private:
    static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR GuardedDispatch(UINT msg, WPARAM wp, LPARAM lp);

    int templateId_;
    HWND hwnd_ = nullptr;
    // Handlers of this window on the stack: a window destroyed from inside a
    // nested loop (a message box, the event pump) is deleted only once the
    // outermost of them has returned.
    int depth_ = 0;
    bool destroyed_ = false;
};

class Forms {
public:
    Forms() = default;
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;
    ~Forms();

    // Shows the tool window registered under `key`, creating it on first use.
    template <class T, class... Args>
    T& Open(std::string_view key, Args&&... args) {
        if (auto* existing = Find(key)) {
            existing->Show();
            return static_cast<T&>(*existing);
        }
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *form;
        owned_.push_back({std::string(key), std::move(form)});
        if (!ref.Create()) {
            Release(&ref);
            throw std::runtime_error("window could not be created");
        }
        ref.Show();
        return ref;
    }

    DialogForm* Find(std::string_view key) const;
    const std::vector<DialogForm*>& Loaded() const { return loaded_; }

    // The program ends once no window of it is loaded any more.
    void QuitWhenEmpty(bool on) { quitWhenEmpty_ = on; }

    // Unloads every loaded window, one after the other, in load order.
    void UnloadAll();

    // Gives a queued message to the dialog it belongs to; true when consumed.
    bool RouteDialogMessage(MSG& msg) const;

    // Handles one queued message as the main loop would.
    void Dispatch(MSG& msg) const;

private:
    friend class DialogForm;
    void Added(DialogForm* form);
    void Removed(DialogForm* form);  // the form's window is gone

    void Release(DialogForm* form);

    bool quitWhenEmpty_ = false;
    std::vector<DialogForm*> loaded_;
    std::vector<std::pair<std::string, std::unique_ptr<DialogForm>>> owned_;
};

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(const Forms& forms);

}  // namespace wf::win
