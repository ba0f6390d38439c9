// soak_helper.exe: the Windows side of the soak run. It only ever touches
// windows of the running wrenfold.exe.
//   soak_helper.exe act TITLE SEED N   N random actions in the tool window
//                                      with that title (prompts answered first)
//   soak_helper.exe answer SEED        answers every open prompt once
//   soak_helper.exe list               the program's visible windows: class, style, title
// Every line printed is one action done, so the script counts them with wc -l.
// Exit 2: no wrenfold.exe; exit 3: the tool window is not open.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::mt19937 rng;

int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng); }

void Print(const std::wstring& line) {
    std::wstring text = line + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

DWORD WrenfoldPid() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD pid = 0;
    for (BOOL more = Process32FirstW(snap, &entry); more && !pid; more = Process32NextW(snap, &entry)) {
        if (lstrcmpiW(entry.szExeFile, L"wrenfold.exe") == 0) pid = entry.th32ProcessID;
    }
    CloseHandle(snap);
    return pid;
}

// Captions come from the window manager's own copy (no message to a window
// that may be busy); only edit boxes must be asked with WM_GETTEXT.
std::wstring TextOf(HWND w) {
    wchar_t caption[512] = {};
    InternalGetWindowText(w, caption, 512);
    return caption;
}

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

struct Search {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid && IsWindowVisible(w)) s->found.push_back(w);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    if (IsWindowVisible(w) && IsWindowEnabled(w)) s->found.push_back(w);
    return TRUE;
}

std::vector<HWND> Children(HWND w) {
    Search s{0, {}};
    EnumChildWindows(w, CollectChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// A prompt is a message box, the input box or a common dialog: a dialog of
// the program without the minimize box every tool window has.
std::vector<HWND> Prompts(DWORD pid) {
    Search s{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    std::vector<HWND> prompts;
    for (HWND w : s.found) {
        if (ClassOf(w) == L"#32770" && !(GetWindowLongW(w, GWL_STYLE) & WS_MINIMIZEBOX)) prompts.push_back(w);
    }
    return prompts;
}

std::wstring RandomText() {
    static const wchar_t* const fixed[] = {
        L"", L"0", L"255", L"FF", L"&HFF", L"-1", L"99999999999999999999999", L"1.5e308", L"0x7fffffff",
        L"localhost", L"127.0.0.1", L"::1", L"256.1.1.1", L"C:\\scratch", L"C:\\scratch\\a.txt", L"*.txt",
        L"{ENTER}", L"+{TAB}", L"%s%n%x", L"Привет, мир", L"日本語のテキスト", L"Ελληνικά ☃ €", L"😀🎉 emoji",
        L"e\u0301\u0301 combining", L"\u200f\u202e reversed", L"tab\there", L"line\r\nbreak", L"   ",
    };
    const int kind = Pick(4);
    if (kind == 0) return fixed[Pick(static_cast<int>(std::size(fixed)))];
    const int length = kind == 1 ? 1 + Pick(40) : kind == 2 ? 200 + Pick(800) : 5000 + Pick(30000);
    std::wstring text;
    for (int i = 0; i < length; ++i) {
        switch (Pick(6)) {
            case 0: text += static_cast<wchar_t>(0x410 + Pick(64)); break;   // Cyrillic
            case 1: text += static_cast<wchar_t>(0x4E00 + Pick(2000)); break;  // CJK
            case 2: text += L"\xD83D\xDE00"; break;                         // a surrogate pair
            default: text += static_cast<wchar_t>(0x20 + Pick(95)); break;
        }
    }
    return text;
}

bool IsPushButton(HWND w) {
    const LONG type = GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK;
    return ClassOf(w) == L"Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// A prompt gets random text in its boxes and a press of a random button.
int AnswerPrompts(DWORD pid) {
    int done = 0;
    for (HWND prompt : Prompts(pid)) {
        std::vector<HWND> buttons;
        for (HWND c : Children(prompt)) {
            if (ClassOf(c) == L"Edit") {
                const std::wstring text = RandomText();
                DWORD_PTR r;
                SendMessageTimeoutW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 2000, &r);
            } else if (IsPushButton(c) && TextOf(c).find(L"System Info") == std::wstring::npos) {
                // About's System Info starts another program: never pressed.
                buttons.push_back(c);
            }
        }
        if (buttons.empty()) {
            PostMessageW(prompt, WM_CLOSE, 0, 0);
            Print(L"answer \"" + TextOf(prompt) + L"\" close");
        } else {
            HWND b = buttons[Pick(static_cast<int>(buttons.size()))];
            PostMessageW(b, BM_CLICK, 0, 0);
            Print(L"answer \"" + TextOf(prompt) + L"\" " + TextOf(b));
        }
        ++done;
    }
    return done;
}

// Waits until the program has handled what was posted before (bounded).
void Settle(HWND w) {
    DWORD_PTR r;
    SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &r);
}

bool StartsWithScratch(const std::wstring& path) {
    return path.size() >= 10 && CompareStringOrdinal(path.c_str(), 10, L"C:\\scratch", 10, TRUE) == CSTR_EQUAL;
}

// The explorer's actions that launch programs never run; its file actions
// run only inside the scratch folder.
bool Allowed(HWND tool, HWND control) {
    const std::wstring title = TextOf(tool), text = TextOf(control);
    if (title.rfind(L"Hard Drive Explorer", 0) != 0) return true;
    if (text == L"Shell to it" || text == L"Open with") return false;
    if (text != L"Do it!") return true;
    bool launches = false;
    std::wstring path;
    for (HWND c : Children(tool)) {
        const std::wstring t = TextOf(c);
        if ((t == L"Shell to it" || t == L"Open with") && SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED) launches = true;
        if (ClassOf(c) == L"Static" && t.size() > 2 && t[1] == L':') path = t;
    }
    return !launches && StartsWithScratch(path);
}

void Notify(HWND control, int code) {
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

void Act(HWND tool) {
    std::vector<HWND> controls = Children(tool);
    if (controls.empty()) return;
    HWND c = controls[Pick(static_cast<int>(controls.size()))];
    const std::wstring cls = ClassOf(c);
    const int id = GetDlgCtrlID(c);
    if (cls == L"Edit") {
        const std::wstring text = RandomText();
        DWORD_PTR r;
        SendMessageTimeoutW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &r);
        Print(L"settext " + std::to_wstring(id) + L" (" + std::to_wstring(text.size()) + L" chars)");
    } else if (cls == L"Button") {
        if (!Allowed(tool, c)) return;
        PostMessageW(c, BM_CLICK, 0, 0);
        Print(L"click " + std::to_wstring(id) + L" \"" + TextOf(c) + L"\"");
    } else if (cls == L"ListBox") {
        const LRESULT n = SendMessageW(c, LB_GETCOUNT, 0, 0);
        if (n <= 0) return;
        SendMessageW(c, LB_SETCURSEL, Pick(static_cast<int>(n)), 0);
        Notify(c, LBN_SELCHANGE);
        Print(L"select " + std::to_wstring(id));
    } else if (cls == L"ComboBox") {
        const LRESULT n = SendMessageW(c, CB_GETCOUNT, 0, 0);
        if (n <= 0) return;
        SendMessageW(c, CB_SETCURSEL, Pick(static_cast<int>(n)), 0);
        Notify(c, CBN_SELCHANGE);
        Print(L"choose " + std::to_wstring(id));
    }
    Settle(tool);
}

HWND ToolNamed(DWORD pid, const std::wstring& title) {
    Search s{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    for (HWND w : s.found) {
        if (TextOf(w) == title) return w;
    }
    return nullptr;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const DWORD pid = WrenfoldPid();
    if (!pid) return 2;
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"list") {
        Search s{pid, {}};
        EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
        for (HWND w : s.found) {
            Print(ClassOf(w) + L" " + std::to_wstring(GetWindowLongW(w, GWL_STYLE)) + L" \"" + TextOf(w) + L"\"");
        }
        return 0;
    }
    if (mode == L"answer" && argc == 3) {
        rng.seed(static_cast<unsigned>(_wtoi(argv[2])));
        AnswerPrompts(pid);
        return 0;
    }
    if (mode == L"act" && argc == 5) {
        rng.seed(static_cast<unsigned>(_wtoi(argv[3])));
        const int count = _wtoi(argv[4]);
        for (int i = 0; i < count; ++i) {
            if (AnswerPrompts(pid) > 0) {
                Sleep(100);  // not a test: gives the answered prompt's window time to go
                continue;
            }
            HWND tool = ToolNamed(pid, argv[2]);
            if (!tool) return 3;
            Act(tool);
        }
        return 0;
    }
    return 1;
}
