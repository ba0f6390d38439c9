// soak_helper.exe: the Windows side of the soak run. It only ever touches
// windows of the running wrenfold.exe.
//   soak_helper.exe act TITLE SEED N   N random actions in the tool window
//                                      with that title (prompts answered first)
//   soak_helper.exe answer SEED        answers every open prompt once
//   soak_helper.exe list               the program's visible windows: prompt or window,
//                                      class, style, title
//   soak_helper.exe stats              the program's object counts, one CSV line (see Stats)
//   soak_helper.exe close TITLE        closes that tool window with WM_CLOSE once no prompt is
//                                      left, and waits (bounded) until it is gone
//   soak_helper.exe press TITLE BUTTON clicks that button of that window of the program
//   soak_helper.exe settext TITLE ID TEXT  sets the text of that control of that window
//   soak_helper.exe closeall           the same for every tool window of the program
// Every line printed is one action done, so the script counts them with wc -l.
// Exit 2: no wrenfold.exe; exit 3: the tool window is not open; 4: the process
// cannot be opened; 5: the window did not close.
#include <windows.h>
#include <shellapi.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
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

BOOL CALLBACK CollectAllTop(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid) s->found.push_back(w);
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

// A tool window of the program: a titled dialog with the minimize box every
// tool window has, and About (it has none); the hidden main window is none.
bool IsToolWindow(HWND w, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    const std::wstring title = TextOf(w);
    return owner == pid && ClassOf(w) == L"#32770" && !title.empty() && title != L"Wrenfold Main Window" &&
           ((GetWindowLongW(w, GWL_STYLE) & WS_MINIMIZEBOX) || title == L"About Wrenfold");
}

// A prompt is a message box, the input box or a common dialog: any other
// dialog of the program.
std::vector<HWND> Prompts(DWORD pid) {
    Search s{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    std::vector<HWND> prompts;
    for (HWND w : s.found) {
        if (ClassOf(w) == L"#32770" && !IsToolWindow(w, pid)) prompts.push_back(w);
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
// Long names in the file dialogs are meant: Wine 8's own dialog overruns a
// MAX_PATH buffer on them, and the program must refuse them before it does.
int AnswerPrompts(DWORD pid) {
    int done = 0;
    for (HWND prompt : Prompts(pid)) {
        std::vector<HWND> buttons;
        for (HWND c : Children(prompt)) {
            if (ClassOf(c) == L"Edit") {
                std::wstring text = RandomText();
                DWORD_PTR r;
                SendMessageTimeoutW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 2000, &r);
            } else if (IsPushButton(c) && TextOf(c).find(L"System Info") == std::wstring::npos) {
                // About's System Info starts another program: never pressed.
                buttons.push_back(c);
            }
        }
        // A box without a button to press is one Wine is still building or
        // already taking down: it is left for the next round.
        if (buttons.empty()) continue;
        HWND b = buttons[Pick(static_cast<int>(buttons.size()))];
        PostMessageW(b, BM_CLICK, 0, 0);
        Print(L"answer \"" + TextOf(prompt) + L"\" " + TextOf(b));
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

// Window Hide and Show hides and shows any window of the desktop: Wine's own
// (the tray, the input method's, a closed menu) would take the harness's
// bearings, so only the program's tool windows are hidden and shown.
bool HideShowAllowed(HWND tool, HWND control) {
    const std::wstring text = TextOf(control);
    if (text != L"Hide me!" && text != L"Show me!") return true;
    // The visible windows' list comes first in the window, the hidden ones' second.
    std::vector<HWND> lists;
    for (HWND c : Children(tool))
        if (ClassOf(c) == L"ListBox") lists.push_back(c);
    if (lists.size() != 2) return false;
    HWND list = lists[text == L"Hide me!" ? 0 : 1];
    const LRESULT i = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (i < 0) return true;  // nothing chosen: the window says so
    DWORD pid = 0;
    GetWindowThreadProcessId(tool, &pid);
    return IsToolWindow(reinterpret_cast<HWND>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0)), pid);
}

// The explorer's actions that launch programs never run; its file actions
// run only inside the scratch folder.
bool Allowed(HWND tool, HWND control) {
    const std::wstring title = TextOf(tool), text = TextOf(control);
    if (title == L"Window Hide and Show") return HideShowAllowed(tool, control);
    if (text.find(L"System Info") != std::wstring::npos) return false;  // About's: starts another program
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

// --- Object counts ---------------------------------------------------------
// GetGuiResources is a stub under Wine 8 (it answers 0) and so is
// GetProcessHandleCount for another process, so next to them come counts
// that Wine does keep: the GDI handle table the process maps for itself
// (its PEB points at it, on Windows as under Wine), the system handle list
// (NtQuerySystemInformation), and the windows of the process, which are the
// USER objects a window class can leak.

bool ReadRemote(HANDLE process, const void* at, void* into, size_t size) {
    SIZE_T got = 0;
    return ReadProcessMemory(process, at, into, size, &got) && got == size;
}

const void* GdiTableOf(HANDLE process) {
    PROCESS_BASIC_INFORMATION info{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &length) != 0) return nullptr;
    // PEB.GdiSharedHandleTable: offset 0xF8 in a 64-bit PEB.
    void* table = nullptr;
    if (!ReadRemote(process, reinterpret_cast<const char*>(info.PebBaseAddress) + 0xF8, &table, sizeof table)) return nullptr;
    return table;
}

// An entry is 24 bytes on 64-bit Windows and Wine alike; checked on a brush of
// our own (its entry carries the upper half of its handle after the owner,
// then its type), 16 tried too in case a Wine drops the user pointer.
constexpr size_t kGdiEntries = 0x10000;
size_t GdiEntrySize() {
    const void* table = GdiTableOf(GetCurrentProcess());
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    size_t found = 0;
    if (table && probe) {
        const auto handle = reinterpret_cast<uintptr_t>(probe);
        for (size_t size : {size_t{16}, size_t{24}}) {
            const auto* entry = static_cast<const unsigned char*>(table) + (handle & 0xFFFF) * size;
            uint16_t upper = 0;
            std::memcpy(&upper, entry + 12, sizeof upper);
            if (upper == ((handle >> 16) & 0xFFFF) && entry[14] != 0) {
                found = size;
                break;
            }
        }
    }
    if (probe) DeleteObject(probe);
    return found;
}

// Live GDI objects of the process by type (0 when the table cannot be read).
std::map<int, int> GdiObjects(HANDLE process, DWORD pid) {
    std::map<int, int> types;
    const size_t size = GdiEntrySize();
    const void* table = GdiTableOf(process);
    if (!size || !table) return types;
    std::vector<unsigned char> copy(kGdiEntries * size);
    if (!ReadRemote(process, table, copy.data(), copy.size())) return types;
    for (size_t i = 0; i < kGdiEntries; ++i) {
        const unsigned char* entry = copy.data() + i * size;
        uint16_t owner = 0;
        std::memcpy(&owner, entry + 8, sizeof owner);
        // Windows shares one table between processes (stock objects have no
        // owner); Wine's is the process's own and leaves the owner 0.
        if (owner != 0 && owner != (pid & 0xFFFF)) continue;
        if (entry[14] != 0) ++types[entry[14] & 0x7F];
    }
    return types;
}

struct HandleEntry {
    ULONG owner;
    BYTE type, flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

int SystemHandlesOf(DWORD pid) {
    std::vector<unsigned char> buffer(1 << 20);
    for (int tries = 0; tries < 6; ++tries) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(),
                                                         static_cast<ULONG>(buffer.size()), &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) {  // too small
            buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
            continue;
        }
        if (status != 0) return -1;
        ULONG count = 0;
        std::memcpy(&count, buffer.data(), sizeof count);
        const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(void*));
        int n = 0;
        for (ULONG i = 0; i < count; ++i) n += entries[i].owner == pid;
        return n;
    }
    return -1;
}

struct WindowCount {
    DWORD pid;
    int windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM p) {
    ++reinterpret_cast<WindowCount*>(p)->windows;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND w, LPARAM p) {
    auto* c = reinterpret_cast<WindowCount*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != c->pid) return TRUE;
    ++c->windows;
    EnumChildWindows(w, CountChild, p);
    return TRUE;
}

// Every window of the process, hidden and child ones and message-only ones too.
int WindowsOf(DWORD pid) {
    WindowCount c{pid, 0};
    EnumWindows(CountTop, reinterpret_cast<LPARAM>(&c));
    for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr))
        CountTop(w, reinterpret_cast<LPARAM>(&c));
    return c.windows;
}

// gdi_api,user_api,handles_api,private_api,gdi_table,handles_sys,windows,gdi_types
// (the _api columns as Windows reports them, -1 where a call failed;
// gdi_types: type:count of the table's live entries, hexadecimal types).
int Stats(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return 4;
    DWORD handles = 0;
    const long long handlesApi = GetProcessHandleCount(process, &handles) ? handles : -1;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const long long privateApi = GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)
                                     ? static_cast<long long>(memory.PrivateUsage / 1024)
                                     : -1;
    const std::map<int, int> gdi = GdiObjects(process, pid);
    int gdiTotal = 0;
    std::wstring types;
    wchar_t part[32];
    for (const auto& [type, n] : gdi) {
        gdiTotal += n;
        swprintf(part, 32, L"%s%x:%d", types.empty() ? L"" : L" ", type, n);
        types += part;
    }
    Print(std::to_wstring(GetGuiResources(process, GR_GDIOBJECTS)) + L"," + std::to_wstring(GetGuiResources(process, GR_USEROBJECTS)) +
          L"," + std::to_wstring(handlesApi) + L"," + std::to_wstring(privateApi) + L"," +
          std::to_wstring(gdi.empty() ? -1 : gdiTotal) + L"," + std::to_wstring(SystemHandlesOf(pid)) + L"," +
          std::to_wstring(WindowsOf(pid)) + L"," + types);
    CloseHandle(process);
    return 0;
}

// Closes a tool window as its close box would (WM_CLOSE), once no prompt is
// left, and waits for it to go: a window may put its close off until a run
// it is in has ended (a conversion, a keystroke send, a page being written).
// Prompts raised meanwhile are answered. Exit 0 when gone, 5 when not within
// the bound.
int CloseWindow(DWORD pid, HWND tool) {
    const std::wstring title = TextOf(tool);
    bool posted = false;
    for (int round = 0; round < 100; ++round) {  // about 10 s
        if (AnswerPrompts(pid) == 0 && !posted) {
            PostMessageW(tool, WM_CLOSE, 0, 0);
            posted = true;
            Print(L"close \"" + title + L"\" (WM_CLOSE)");
        }
        Settle(tool);
        if (!IsWindow(tool)) return 0;  // a tool window closed is destroyed
        Sleep(100);  // not a test: the window's own deferred close takes its time
        // A close put off is asked again each second, as a user would click again.
        if (posted && round % 10 == 9) posted = false;
    }
    Print(L"still open \"" + title + L"\"");
    return 5;
}

int Close(DWORD pid, const std::wstring& title) {
    HWND tool = ToolNamed(pid, title);
    return tool ? CloseWindow(pid, tool) : 3;
}

// Closes every tool window of the program that is loaded and answers every
// prompt, so that samples compare the same state. Exit 5 when one stayed.
int CloseAll(DWORD pid) {
    for (int round = 0; round < 100; ++round) {
        const int answered = AnswerPrompts(pid);
        // Hidden ones too: Window Hide and Show may have hidden one.
        Search s{pid, {}};
        EnumWindows(CollectAllTop, reinterpret_cast<LPARAM>(&s));
        HWND tool = nullptr;
        for (HWND w : s.found)
            if (!tool && IsToolWindow(w, pid)) tool = w;
        if (tool) {
            if (CloseWindow(pid, tool) == 5) return 5;
            continue;
        }
        if (answered == 0 && Prompts(pid).empty()) return 0;
        Sleep(100);  // not a test: an answered box takes its time to go
    }
    for (HWND w : Prompts(pid)) Print(L"still open \"" + TextOf(w) + L"\"");
    return 5;
}

// Presses the button with that text in the program's window with that title
// and waits until the program has taken the click in (a box it raises is
// left up). Exit 3: no such window; 6: no such button.
int Press(DWORD pid, const std::wstring& title, const std::wstring& button) {
    Search s{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    for (HWND w : s.found) {
        if (TextOf(w) != title) continue;
        for (HWND c : Children(w)) {
            if (!IsPushButton(c) || TextOf(c) != button) continue;
            PostMessageW(c, BM_CLICK, 0, 0);
            Settle(w);
            Print(L"press \"" + title + L"\" " + button);
            return 0;
        }
        return 6;
    }
    return 3;
}

// Sets the text of the control with that id in the window with that title.
int SetItemText(DWORD pid, const std::wstring& title, int id, const std::wstring& text) {
    HWND w = ToolNamed(pid, title);
    if (!w) return 3;
    DWORD_PTR r;
    if (!SendMessageTimeoutW(GetDlgItem(w, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &r))
        return 6;
    Print(L"settext " + std::to_wstring(id) + L" (" + std::to_wstring(text.size()) + L" chars)");
    return 0;
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
        const std::vector<HWND> prompts = Prompts(pid);
        for (HWND w : s.found) {
            const bool prompt = std::find(prompts.begin(), prompts.end(), w) != prompts.end();
            Print(std::wstring(prompt ? L"prompt " : L"window ") + ClassOf(w) + L" " +
                  std::to_wstring(GetWindowLongW(w, GWL_STYLE)) + L" \"" + TextOf(w) + L"\"");
        }
        return 0;
    }
    if (mode == L"stats") return Stats(pid);
    if (mode == L"close" && argc == 3) return Close(pid, argv[2]);
    if (mode == L"closeall") return CloseAll(pid);
    if (mode == L"press" && argc == 4) return Press(pid, argv[2], argv[3]);
    if (mode == L"settext" && argc == 5) return SetItemText(pid, argv[2], _wtoi(argv[3]), argv[4]);
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
