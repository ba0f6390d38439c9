#include "tools/files/frmFilesInFolder.h"

#include "platform/win32/Handle.h"
#include "tools/files/frmFilesInFolderIds.h"

namespace wf {

// Adds lines with the list's redraw off; each flush, made before events run,
// shows them, so the list is drawn once a time slice rather than per line.
class frmFilesInFolder::ListSink : public LineSink {
public:
    explicit ListSink(HWND list) : list_(list) {}
    ~ListSink() override { Flush(); }
    ListSink(const ListSink&) = delete;
    ListSink& operator=(const ListSink&) = delete;

    void Add(std::u16string_view line) override {
        if (!IsWindow(list_)) return;  // closed while the listing ran
        if (!quiet_) {
            SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
            quiet_ = true;
        }
        const std::u16string s(line);
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(s)));
    }
    void Flush() override {
        if (!quiet_) return;
        quiet_ = false;
        if (!IsWindow(list_)) return;
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }

private:
    HWND list_;
    bool quiet_ = false;
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
        ListSink sink(list);
        ListAllFiles(Text(IDC_FF_TXTINFOLDER), sink, services_, stop_);
    } while (restart_ && !closed_);
    running_ = false;
}

void frmFilesInFolder::cmdExit_Click() { Unload(); }

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
