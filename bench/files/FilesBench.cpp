// The file lister and the window lists, measured in the real windows.
//   files_bench walk FOLDER      bare FindFirstFileW/FindNextFileW walk
//   files_bench list FOLDER      frmFilesInFolder listing FOLDER into its list box
//   files_bench memory FOLDER    ListAllFiles into a counting sink: peak memory
//   files_bench windows COUNT    frmHideShowWindow refreshes with COUNT windows
// Each prints one line: the mode, files or windows counted, milliseconds.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32WindowList.h"
#include "tools/files/FilesInFolder.h"
#include "tools/files/frmFilesInFolder.h"
#include "tools/files/frmFilesInFolderIds.h"
#include "tools/files/frmHideShowWindow.h"
#include "tools/files/frmHideShowWindowIds.h"

namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

class AbortingPrompts : public wf::Prompts {
public:
    int MsgBox(std::u16string_view, std::u16string_view, int) override { return 3; }
    std::u16string InputBox(std::u16string_view, std::u16string_view, std::u16string_view) override { return {}; }
};

// The same walk with nothing of ours: depth first, each folder read to its end first.
size_t BareWalk(const std::wstring& folder) {
    size_t files = 0;
    std::vector<std::wstring> subfolders;
    WIN32_FIND_DATAW data;
    wf::win::UniqueFind find(FindFirstFileW((folder + L"*").c_str(), &data));
    if (!find) return 0;
    do {
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (wcscmp(data.cFileName, L".") && wcscmp(data.cFileName, L"..")) subfolders.push_back(data.cFileName);
        } else {
            ++files;
        }
    } while (FindNextFileW(find.get(), &data));
    for (const auto& s : subfolders) files += BareWalk(folder + s + L"\\");
    return files;
}

struct Counter : wf::LineSink {
    size_t lines = 0;
    void Add(const std::u16string&) override { ++lines; }
};

size_t PeakPrivate() {
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
    return pmc.PeakPagefileUsage;
}

void DestroyWindowFn(HWND h) { DestroyWindow(h); }

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

WNDPROC listProc = nullptr;
int paints = 0;
LRESULT CALLBACK CountingListProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) ++paints;
    return CallWindowProcW(listProc, h, m, w, l);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: files_bench walk|list|memory FOLDER | windows COUNT\n", stderr);
        return 2;
    }
    const std::wstring mode = argv[1], arg = argv[2];
    std::wstring folder = arg;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    const std::u16string path(folder.begin(), folder.end());
    AbortingPrompts prompts;
    wf::win::Forms forms;
    wf::win::Win32EventPump pump(forms);
    wf::win::Win32DirectorySearch search;

    if (mode == L"walk") {
        const auto t0 = Clock::now();
        const size_t n = BareWalk(folder);
        std::printf("walk %zu files %.1f ms\n", n, Ms(t0, Clock::now()));
    } else if (mode == L"list") {
        HWND dlg = forms.Open<wf::frmFilesInFolder>("frmFilesInFolder", prompts, pump, search).hwnd();
        SetDlgItemTextW(dlg, IDC_FF_TXTINFOLDER, folder.c_str());
        const auto t0 = Clock::now();
        SendDlgItemMessageW(dlg, IDC_FF_CMDOK, BM_CLICK, 0, 0);
        const double ms = Ms(t0, Clock::now());
        std::printf("list %ld files %.1f ms\n", static_cast<long>(SendDlgItemMessageW(dlg, IDC_FF_LSTFILES, LB_GETCOUNT, 0, 0)), ms);
    } else if (mode == L"memory") {
        Counter sink;
        bool stop = false;
        wf::ListingServices services{search, prompts, pump, [] { return static_cast<uint64_t>(GetTickCount64()); }};
        const size_t before = PeakPrivate();
        const auto t0 = Clock::now();
        wf::ListAllFiles(path, sink, services, stop);
        const double ms = Ms(t0, Clock::now());
        std::printf("memory %zu files %.1f ms, peak private bytes grew by %zu KB\n", sink.lines, ms,
                    (PeakPrivate() - before) / 1024);
    } else if (mode == L"windows") {
        const int count = _wtoi(arg.c_str());
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"WfBenchTop";
        RegisterClassW(&wc);
        std::vector<wf::win::Unique<HWND, DestroyWindowFn>> made;
        for (int i = 0; i < count; ++i) {
            const std::wstring title = L"bench window " + std::to_wstring((i * 7919) % count);
            made.emplace_back(CreateWindowExW(0, L"WfBenchTop", title.c_str(), WS_OVERLAPPEDWINDOW | (i % 2 ? WS_VISIBLE : 0),
                                              0, 0, 50, 50, nullptr, nullptr, wc.hInstance, nullptr));
        }
        wf::win::Win32WindowList windows;
        HWND dlg = forms.Open<wf::frmHideShowWindow>("frmHideShowWindow", windows).hwnd();
        HWND lists[] = {GetDlgItem(dlg, IDC_HS_LSTVISIBLEWINDOWS), GetDlgItem(dlg, IDC_HS_LSTHIDDENWINDOWS)};
        for (HWND l : lists) listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(l, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingListProc)));
        for (HWND l : lists) UpdateWindow(l);
        std::vector<double> times;
        int paintsPerRefresh = 0;
        for (int run = 0; run < 7; ++run) {
            paints = 0;
            const auto t0 = Clock::now();
            SendMessageW(dlg, WM_TIMER, IDT_HS_LBLUPDATE, 0);
            times.push_back(Ms(t0, Clock::now()));
            for (HWND l : lists) UpdateWindow(l);
            paintsPerRefresh = std::max(paintsPerRefresh, paints);
        }
        std::sort(times.begin(), times.end());
        std::printf("windows %ld visible + %ld hidden listed, refresh median %.1f ms (of 7), list paints per refresh %d\n",
                    static_cast<long>(SendMessageW(lists[0], LB_GETCOUNT, 0, 0)),
                    static_cast<long>(SendMessageW(lists[1], LB_GETCOUNT, 0, 0)), times[times.size() / 2],
                    paintsPerRefresh);
    } else {
        return 2;
    }
    return 0;
}
