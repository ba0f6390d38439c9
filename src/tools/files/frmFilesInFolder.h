#pragma once
// frmFilesInFolder: lists every file below a typed folder with ListAllFiles,
// lines appearing while it works.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/DirectorySearch.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "tools/files/FilesInFolder.h"

namespace wf {

class frmFilesInFolder : public win::DialogForm {
public:
    // `milliseconds` paces the listing's turns of events (GetTickCount64 unless given).
    frmFilesInFolder(win::Forms& forms, Prompts& prompts, EventPump& pump, DirectorySearch& search,
                     std::function<uint64_t()> milliseconds = nullptr);

    void cmdOK_Click();
    void cmdExit_Click();
    bool Running() const { return running_; }
    // The lines of lstFiles, which draws them from here.
    const LineStore& Lines() const { return lines_; }

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    class ListSink;

    ListingServices services_;
    LineStore lines_;
    bool running_ = false;
    // Set from the listing's own events: stop it (closing, or a new OK).
    bool stop_ = false;
    bool restart_ = false;
    bool closed_ = false;
};

}  // namespace wf
