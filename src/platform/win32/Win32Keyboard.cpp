#include "platform/win32/Win32Keyboard.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "common/Errors.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WinUtil.h"
#include "tools/text/KeyNotation.h"
#include "tools/text/SendKeys.h"

namespace wf::win {
namespace {

// An unassigned key code that no program acts on: pressed after the text,
// its arrival in the target's key state shows that the target has taken
// every key before it from its queue. (Its toggle bit would not do: right
// after attaching, this thread may still read its own old toggle.)
constexpr WORD kMarkerKey = 0xE8;
constexpr DWORD kProcessedWaitMs = 10000;

struct TopWindows {
    std::vector<HWND> windows;
    std::vector<std::u16string> titles;
};

BOOL CALLBACK CollectTopWindow(HWND h, LPARAM lp) {
    auto& list = *reinterpret_cast<TopWindows*>(lp);
    if (!IsWindowVisible(h)) return TRUE;
    std::u16string title = WindowText(h);
    if (title.empty()) return TRUE;
    list.windows.push_back(h);
    list.titles.push_back(std::move(title));
    return TRUE;
}

bool Extended(WORD key) {
    switch (key) {
    case VK_CANCEL: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP:
    case VK_RIGHT: case VK_DOWN: case VK_SNAPSHOT: case VK_INSERT: case VK_DELETE: case VK_DIVIDE:
    case VK_NUMLOCK:
        return true;
    default:
        return false;
    }
}

INPUT VirtualKey(WORD key, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (Extended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

INPUT UnicodeKey(char16_t c, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

constexpr std::pair<uint8_t, WORD> kModifierKeys[] = {
    {keymod::Shift, VK_SHIFT}, {keymod::Ctrl, VK_CONTROL}, {keymod::Alt, VK_MENU}};

// One key with its modifiers pressed around it.
void Press(std::vector<INPUT>& out, uint8_t mods, const INPUT& down, const INPUT& up) {
    for (const auto& [bit, key] : kModifierKeys)
        if (mods & bit) out.push_back(VirtualKey(key, false));
    out.push_back(down);
    out.push_back(up);
    for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it)
        if (mods & it->first) out.push_back(VirtualKey(it->second, true));
}

std::vector<INPUT> Inputs(const std::vector<KeyStroke>& keys) {
    std::vector<INPUT> out;
    char16_t previous = 0;
    for (const KeyStroke& k : keys) {
        WORD key = k.vk;
        uint8_t mods = k.mods;
        const char16_t c = k.vk ? 0 : k.ch;
        if (c == u'\n' && previous == u'\r') continue;  // one line break, one Enter
        previous = c;
        if (c == u'\t') key = VK_TAB;
        if (c == u'\r' || c == u'\n') key = VK_RETURN;
        if (!key && mods) {
            // A character under a modifier must be its key: held modifiers do
            // not change a typed character. Its own Shift (for "A" or "!") joins.
            const SHORT scan = VkKeyScanW(static_cast<wchar_t>(c));
            if (scan != -1) {
                key = LOBYTE(scan);
                const BYTE shifts = HIBYTE(scan);
                mods |= ((shifts & 1) ? keymod::Shift : 0) | ((shifts & 2) ? keymod::Ctrl : 0) |
                        ((shifts & 4) ? keymod::Alt : 0);
            }
        }
        if (key) {
            Press(out, mods, VirtualKey(key, false), VirtualKey(key, true));
        } else {
            // Any character, whatever the keyboard layout.
            Press(out, mods, UnicodeKey(c, false), UnicodeKey(c, true));
        }
    }
    return out;
}

void Inject(std::vector<INPUT>& inputs) {
    for (size_t done = 0; done < inputs.size();) {
        const UINT n = SendInput(static_cast<UINT>(inputs.size() - done), inputs.data() + done, sizeof(INPUT));
        if (n == 0) throw MakeError(err::InvalidCall);  // input blocked by a higher integrity window
        done += n;
    }
}

// Down as the thread that takes the keys has last seen it. The marker is
// always released again, so "down" can only mean its press has been taken.
bool MarkerDown() { return (GetKeyState(kMarkerKey) & 0x8000) != 0; }

}  // namespace

void Win32Keyboard::AppActivate(std::u16string_view title) {
    TopWindows list;
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&list));
    const auto chosen = ChooseWindowByTitle(list.titles, title);
    if (!chosen) throw MakeError(err::InvalidCall);
    HWND target = list.windows[*chosen];
    if (IsIconic(target)) ShowWindow(target, SW_RESTORE);
    SetForegroundWindow(target);
    // The activation reaches the target's thread as a message; a message
    // sent after it returns once the target has handled both, so its focus
    // is in place before the first key arrives.
    DWORD_PTR ignored;
    SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

void Win32Keyboard::SendKeys(std::u16string_view keys) {
    std::vector<INPUT> inputs = Inputs(ParseKeys(keys));  // a broken text sends nothing
    HWND foreground = GetForegroundWindow();
    const DWORD target = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD self = GetCurrentThreadId();
    // Sharing the target's input state lets this thread see its key state.
    const bool attached = target && target != self && AttachThreadInput(self, target, TRUE);
    ScopeExit detach([&] {
        if (attached) AttachThreadInput(self, target, FALSE);
    });
    if (target && target != self && !attached) {
        // No view of its key state: the best left is a round trip.
        Inject(inputs);
        DWORD_PTR ignored;
        SendMessageTimeoutW(foreground, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kProcessedWaitMs, &ignored);
        return;
    }
    // The marker goes down after the text, and up again once seen down, so
    // that the next send starts with it up.
    inputs.push_back(VirtualKey(kMarkerKey, false));
    Inject(inputs);
    WaitForMarker(true);
    std::vector<INPUT> release{VirtualKey(kMarkerKey, true)};
    Inject(release);
    WaitForMarker(false);
}

void Win32Keyboard::WaitForMarker(bool down) {
    const HWND foreground = GetForegroundWindow();
    const bool ours = !foreground || GetWindowThreadProcessId(foreground, nullptr) == GetCurrentThreadId();
    const DWORD start = GetTickCount();
    while (MarkerDown() != down && GetTickCount() - start < kProcessedWaitMs) {
        if (ours) {
            pump_.DoEvents();  // the keys are for this program's own windows
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        } else {
            Sleep(1);
        }
    }
}

}  // namespace wf::win
