#include "win/WinTestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "common/Text.h"

namespace wf::test {

namespace {
thread_local DialogAnswerer* current = nullptr;
const wchar_t kInitialised[] = L"wf.test.initialised", kPending[] = L"wf.test.pending";

bool IsClass(HWND h, const wchar_t* name) {
    wchar_t cls[32] = L"";
    GetClassNameW(h, cls, 32);
    return lstrcmpiW(cls, name) == 0;
}

std::filesystem::path NewScratchPath() {
    static int serial = 0;
    return std::filesystem::temp_directory_path() /
           ("wf-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial));
}
}  // namespace

DialogAnswerer::DialogAnswerer(std::function<void(HWND)> onDialog)
    : hook_(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())),
      initHook_(SetWindowsHookExW(WH_CALLWNDPROCRET, InitHook, nullptr, GetCurrentThreadId())),
      onDialog_(std::move(onDialog)) {
    current = this;
}

DialogAnswerer::~DialogAnswerer() {
    UnhookWindowsHookEx(hook_);
    UnhookWindowsHookEx(initHook_);
    current = nullptr;
}

// Each activation of a dialog is handed over, but never before the dialog has
// set its texts: a task-modal message box is activated inside its own
// WM_INITDIALOG, and is handed over once that returns.
LRESULT CALLBACK DialogAnswerer::Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && current) {
        HWND h = reinterpret_cast<HWND>(wp);
        const bool ours = GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId() && IsClass(h, L"#32770");
        if (ours && GetPropW(h, kInitialised)) {
            ++current->seen;
            current->onDialog_(h);
        } else if (ours) {
            SetPropW(h, kPending, reinterpret_cast<HANDLE>(1));
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK DialogAnswerer::InitHook(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && current && call->message == WM_INITDIALOG) {
        SetPropW(call->hwnd, kInitialised, reinterpret_cast<HANDLE>(1));
        if (RemovePropW(call->hwnd, kPending)) {
            ++current->seen;
            current->onDialog_(call->hwnd);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::u16string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

std::u16string AllTexts(HWND window) {
    std::u16string all = WindowText(window);
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all.append(u"|").append(WindowText(c));
    return all;
}

bool PressKey(const win::Forms& forms, HWND control, WPARAM key) {
    SetFocus(control);
    MSG msg{control, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
    const bool consumed = forms.RouteDialogMessage(msg);
    if (!consumed) DispatchMessageW(&msg);
    PumpMessages();
    return consumed;
}

CommandError Thrown(const std::function<void()>& call) {
    try {
        call();
    } catch (const CommandError& e) {
        return e;
    }
    return CommandError(-1, u"nothing thrown");
}

std::u16string ClipboardText() {
    if (!OpenClipboard(nullptr)) return u"<clipboard busy>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* p = data ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr;
    const std::u16string text = p ? p : u"<no text>";
    if (p) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

std::vector<std::u16string> ListItems(HWND list) {
    const bool combo = IsClass(list, L"ComboBox");
    std::vector<std::u16string> out;
    const LRESULT n = SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        std::u16string s(static_cast<size_t>(SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)) + 1, u'\0');
        const LRESULT got = SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(s.data()));
        out.push_back(s.substr(0, got < 0 ? 0 : static_cast<size_t>(got)));
    }
    return out;
}

std::u16string Drive(HWND dialog, const std::vector<Step>& steps, std::initializer_list<int> read) {
    for (const Step& step : steps) {
        HWND c = GetDlgItem(dialog, step.id);
        const bool combo = IsClass(c, L"ComboBox");
        if (IsClass(c, L"Button")) {
            SendMessageW(c, BM_CLICK, 0, 0);
        } else if (IsClass(c, L"Edit")) {
            SetWindowTextW(c, reinterpret_cast<const wchar_t*>(step.text.c_str()));
        } else {
            const auto items = ListItems(c);
            const auto at = std::find_if(items.begin(), items.end(), [&](const std::u16string& s) {
                return s.substr(std::min(s.size(), s.find_first_not_of(u' '))) == step.text;
            });
            if (at == items.end()) throw std::logic_error("no entry " + ToUtf8(step.text) + " to choose");
            SendMessageW(c, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(at - items.begin()), 0);
            const WORD code = step.code ? step.code : combo ? WORD{CBN_SELCHANGE} : WORD{LBN_SELCHANGE};
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(step.id, code), reinterpret_cast<LPARAM>(c));
        }
    }
    std::u16string all;
    for (int id : read) all.append(u"|").append(WindowText(GetDlgItem(dialog, id)));
    return all.substr(all.empty() ? 0 : 1);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

ScratchFolder::ScratchFolder() : dir(NewScratchPath()) { std::filesystem::create_directories(dir); }

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::u16string ScratchFolder::File(std::u16string_view name, std::string_view bytes) {
    if (!std::ofstream(dir / name, std::ios::binary).write(bytes.data(), bytes.size()))
        throw std::runtime_error("cannot write a scratch file");
    return Path(name);
}

std::u16string ScratchFolder::Folder(std::u16string_view name) {
    std::filesystem::create_directory(dir / name);
    return Path(name);
}

std::string FileBytes(const std::u16string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

}  // namespace wf::test
