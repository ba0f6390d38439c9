#include "tools/files/frmFilesInFolder.h"

#include <algorithm>

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "tools/files/frmFilesInFolderIds.h"

namespace wf {

// Keeps the lines for the list, which draws only the ones in view: a list
// box holding 100 000 strings of its own costs more to fill than the whole
// directory walk. Each flush, made before events run, tells the list how
// many lines there are, so it is drawn once a time slice rather than per line.
class frmFilesInFolder::ListSink : public LineSink {
public:
    ListSink(HWND list, LineStore& lines) : list_(list), lines_(lines) {}
    ~ListSink() override { Flush(); }
    ListSink(const ListSink&) = delete;
    ListSink& operator=(const ListSink&) = delete;

    void Add(const std::u16string& line) override {
        if (line.size() > longest_.size()) longest_ = line;
        lines_.Add(line);
    }
    void Flush() override {
        if (shown_ == lines_.Count() || !IsWindow(list_)) return;
        // Lines added below the visible ones change only the scroll bar:
        // with redraw off the list neither updates it per line nor repaints
        // lines that stay as they were; a list not yet full is repainted.
        RECT client{};
        GetClientRect(list_, &client);
        const LRESULT itemHeight = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
        const bool wasFull = itemHeight > 0 && static_cast<LONG>(shown_) * itemHeight >= client.bottom;
        shown_ = lines_.Count();
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list_, LB_SETCOUNT, shown_, 0);
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        if (!wasFull) InvalidateRect(list_, nullptr, TRUE);
        // Wide enough to scroll to the end of the longest line so far.
        SIZE size{};
        {
            win::WindowDC dc(list_);
            win::Selected font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(list_, WM_GETFONT, 0, 0)));
            GetTextExtentPoint32W(dc.get(), win::W(longest_), static_cast<int>(longest_.size()), &size);
        }
        SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(size.cx + 8), 0);
    }

private:
    HWND list_;
    LineStore& lines_;
    std::u16string longest_;
    size_t shown_ = 0;
};

frmFilesInFolder::frmFilesInFolder(win::Forms& forms, Prompts& prompts, EventPump& pump, DirectorySearch& search,
                                   std::function<uint64_t()> milliseconds)
    : DialogForm(forms, IDD_FRMFILESINFOLDER),
      services_{search, prompts, pump,
                milliseconds ? std::move(milliseconds) : [] { return static_cast<uint64_t>(GetTickCount64()); }} {}

void frmFilesInFolder::Form_Load() { SetText(IDC_FF_TXTINFOLDER, u"c:\\"); }

void frmFilesInFolder::Form_Unload() {
    // Closed from inside the listing's events: it ends after its entry.
    closed_ = true;
    stop_ = true;
}

void frmFilesInFolder::cmdOK_Click() {
    if (running_) {
        // The search is one for the whole process and cannot be nested: the
        // running listing stops, and its loop below starts the new one.
        stop_ = true;
        restart_ = true;
        return;
    }
    running_ = true;
    do {
        stop_ = false;
        restart_ = false;
        HWND list = Item(IDC_FF_LSTFILES);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        lines_.Clear();
        ListSink sink(list, lines_);
        ListAllFiles(Text(IDC_FF_TXTINFOLDER), sink, services_, stop_);
    } while (restart_ && !closed_);
    running_ = false;
}

void frmFilesInFolder::cmdExit_Click() { Unload(); }

bool frmFilesInFolder::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_FF_LSTFILES) return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (item.itemID < lines_.Count()) {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        SetBkMode(item.hDC, TRANSPARENT);
        RECT text = item.rcItem;
        text.left += 2;
        DrawTextW(item.hDC, reinterpret_cast<const wchar_t*>(lines_.Line(item.itemID)),
                  static_cast<int>(lines_.Length(item.itemID)), &text,
                  DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

bool frmFilesInFolder::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_FF_CMDOK:
    case IDOK: cmdOK_Click(); return true;
    case IDC_FF_CMDEXIT:
    case IDCANCEL: cmdExit_Click(); return true;
    default: return false;
    }
}

}  // namespace wf
