#pragma once
// frmASCII: the ASCII picture generator window. It collects a run's
// settings, loads the chosen picture into the raster the writer samples,
// shows a preview and the size, proposes the output name, and starts and
// cancels runs of AsciiPictureWriter.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "asciipic/PageOutput.h"
#include "asciipic/PictureWriter.h"
#include "platform/CommonDialogs.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/win32/DibPicture.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"

namespace wf {

class frmASCII : public win::DialogForm {
public:
    // `commandLine` is the process's whole command line as GetCommandLineW
    // gives it: the program's path, then an optional picture path.
    frmASCII(win::Forms& forms, Prompts& prompts, CommonDialogs& dialogs, EventPump& pump, OutputFiles& files,
             ClockLocale& clock, std::u16string commandLine);
    ~frmASCII() override;

    void cmdGenerate_Click();
    void cmbFont_Change();
    void cmdBackColor_Click();
    void cmdChooseInput_Click();
    void cmdChooseOutput_Click();
    void cmdQualityHelp_Click();
    void txtInFile_Change();
    void cmdExit_Click();

    void LoadPic();
    void OutputGuess();
    // Puts `path` in the input box as if typed (which loads it), proposes the
    // output name and brings the window to the front.
    void ShowInputPicture(const std::u16string& path);

    // The picture as last loaded, hidden behind the preview.
    const win::DibPicture& Picture() const;
    bool Running() const;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnClose() override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    struct Core;

    void FillFontList();
    void ApplyCharsFont(std::u16string_view faceName);
    void ShowPreview();
    void DrawPreview(const DRAWITEMSTRUCT& item);

    Prompts& prompts_;
    CommonDialogs& dialogs_;
    EventPump& pump_;
    std::u16string commandLine_;
    // What the handlers still touch after letting events run: the window may
    // be destroyed from inside those events (the tray menu's Exit unloads
    // every window), so this outlives the window for as long as a handler
    // holds it, and tells it whether the window is still there.
    std::shared_ptr<Core> core_;
    // The font of txtASCIIChar, owned here; the box keeps a handle to it.
    win::UniqueGdi charsFont_;
    // The window was asked to close during a run: close once the run ends.
    bool closePending_ = false;
};

// A command line handed over by a second start of the program: a picture it
// names goes into the open generator's input box, or `open` opens the
// generator with that command line; anything else does nothing.
void GeneratorForHandOver(win::Forms& forms, const std::u16string& commandLine,
                          const std::function<void(const std::u16string&)>& open);

}  // namespace wf
