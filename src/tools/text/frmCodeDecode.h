#pragma once
// frmCodeDecode: the coder / decoder window. It copies between its controls
// and the coding methods of CodeMethods.h and does nothing else.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/Clipboard.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "tools/text/CodeMethods.h"

namespace wf {

// A uniform value in [0, 1), drawn once for every choice of Code.
using UniformDraw = std::function<double()>;

// The generator reseeded from `timeOfDay` (any clock reading), then one draw.
double UniformSeededAt(uint64_t timeOfDay);
// The window's own draw: reseeded from the time of day on every call, so
// each Code starts a fresh sequence as the tool always has.
double TimeSeededUniform();

class frmCodeDecode : public win::DialogForm {
public:
    frmCodeDecode(win::Forms& forms, Prompts& prompts, Clipboard& clipboard,
                  UniformDraw uniform = TimeSeededUniform);

    void optCode_Click();
    void optDecode_Click();
    void cmdOK_Click();
    void cmdCopy1_Click();
    void cmdCopy2_Click();
    void cmdCopy3_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;
    HBRUSH OnCtlColor(HDC dc, HWND control) override;

private:
    CoderMode SelectedMode() const;
    void Copy(int id);
    void ShowKeyLook(const KeyBoxLook& look);
    // Paints the result boxes and the key box; other controls keep the
    // dialog's own colours.

    Prompts& prompts_;
    Clipboard& clipboard_;
    UniformDraw uniform_;
    KeyBoxLook keyLook_ = kKeyBoxCoding;
    win::UniqueGdi disabledBrush_;
    win::UniqueGdi keyBrush_;
};

}  // namespace wf
