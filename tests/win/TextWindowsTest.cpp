// The coder / decoder and the number converter as real (headless) windows,
// driven through their controls: the clipboard is the real one, and the
// message boxes that matter are real ones answered by hook.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Prompts.h"
#include "tools/text/frmCodeDecode.h"
#include "tools/text/frmCodeDecodeIds.h"
#include "tools/text/frmNumberConv.h"
#include "tools/text/frmNumberConvIds.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using Colours = std::array<COLORREF, 3>;  // background, text, brush
const std::u16string kTestText = u"THIS IS A TEST";

struct TextWindows : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    win::Win32Prompts realPrompts;
    win::Win32Clipboard clipboard;
    HWND dlg = nullptr;
    std::vector<double> draws{0.5};  // the coder's uniform draws in turn, the last repeating (0.5: key 8)
    int drawCount = 0;
    std::vector<std::u16string> boxes;  // "title|text" of each real message box
    std::deque<int> buttons;            // their answers; Abort once these run out
    std::optional<test::DialogAnswerer> answerer;

    void OpenCoder(Prompts& p) {
        const auto draw = [this] { return draws[std::min<size_t>(drawCount++, draws.size() - 1)]; };
        dlg = forms.Open<frmCodeDecode>("frmCodeDecode", p, clipboard, draw).hwnd();
    }
    void OpenNumberConv(Prompts& p) { dlg = forms.Open<frmNumberConv>("frmNumberConv", p).hwnd(); }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
    std::u16string Method(int n) const { return Get(IDC_CD_TXTMETHOD1 + n - 1); }
    void Ok(const std::u16string& input) {
        Put(IDC_CD_TXTINPUT, input);
        Click(IDC_CD_CMDOK);
    }
    void Types(int in, int out) {
        Click(IDC_NC_OPTINPUTTYPE_BASE + in);
        Click(IDC_NC_OPTOUTPUTTYPE_BASE + out);
    }
    std::u16string Convert(const std::u16string& input) {
        Put(IDC_NC_TXTINPUT, input);
        Click(IDC_NC_CMDCONVERT);
        return Get(IDC_NC_LBLOUTPUT);
    }
    bool PressKey(int id, WPARAM key) { return test::PressKey(forms, Ctl(id), key); }
    // What the control is given when it asks its dialog for colours; no brush shows as CLR_INVALID.
    Colours Look(UINT msg, int id) const {
        HDC dc = CreateCompatibleDC(nullptr);
        SetBkColor(dc, RGB(1, 2, 3));
        SetTextColor(dc, RGB(4, 5, 6));
        const auto brush = SendMessageW(dlg, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Ctl(id)));
        LOGBRUSH lb{0, CLR_INVALID, 0};
        if (brush) GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
        const Colours look{GetBkColor(dc), GetTextColor(dc), lb.lbColor};
        return DeleteDC(dc), look;
    }
    // Notes each real message box, runs `during` while it is up, then answers it.
    void AnswerBoxes(std::function<void(HWND)> during = [](HWND) {}) {
        answerer.emplace([this, during](HWND box) {
            if (box == dlg) return;  // the tool window is a dialog too
            boxes.push_back(test::WindowText(box) + u"|" + test::MessageBoxText(box));
            during(box);
            test::PressButton(box, buttons.empty() ? IDABORT : buttons.front());
            if (!buttons.empty()) buttons.pop_front();
        });
    }
};

TEST_F(TextWindows, BothOpenWithTheirCaptionsAndStartingChoices) {
    OpenCoder(prompts);  // Form_Load codes the test text with the drawn key, 8
    EXPECT_EQ(test::AllTexts(dlg), u"Coder / Decoder|THIS IS A TEST|OK|Code|Decode|Method &1:|SIHT JR Z SFRU|Copy|"
                       u"Method &2:|BPQA QA I BMAB|8|Copy|Method &3:|HTSII  S AETTS|Copy|Exit");
    EXPECT_TRUE(Checked(IDC_CD_OPTCODE) && !Checked(IDC_CD_OPTDECODE));
    for (int id : {IDC_CD_TXTMETHOD1, IDC_CD_TXTMETHOD2, IDC_CD_TXTMETHOD3, IDC_CD_TXTKEY})
        EXPECT_FALSE(IsWindowEnabled(Ctl(id))) << "nobody types into " << id;

    OpenNumberConv(prompts);
    EXPECT_EQ(test::AllTexts(dlg), u"Number converter|&Input:|0|Input type|Octal (8)|Binary (2)|Hex (16)|Decimal (10)||"
                       u"Output type|Octal (8)|Binary (2)|Hex (16)|Decimal (10)|0|Convert!|Exit");
    for (int i = base::Binary; i <= base::Octal; ++i)
        EXPECT_EQ(Checked(IDC_NC_OPTINPUTTYPE_BASE + i) + Checked(IDC_NC_OPTOUTPUTTYPE_BASE + i),
                  i == base::Decimal ? 2 : 0) << i;
}

// Which draw gives which key is the host tests' business; here each Code click draws once.
TEST_F(TextWindows, EachCodeDrawsAKeyThatOkThenUses) {
    draws = {0.5, 0.0};
    OpenCoder(prompts);
    const std::u16string before = Method(2);
    Click(IDC_CD_OPTCODE);
    EXPECT_EQ(Get(IDC_CD_TXTKEY) + Method(2), u"1" + before) << "a mode choice alone recomputes nothing";
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(2), code2(kTestText, 1));
    EXPECT_EQ(drawCount, 2);
    // The window's own draw: one clock reading gives one value; readings a tick apart reach every key.
    EXPECT_EQ(UniformSeededAt(123456789), UniformSeededAt(123456789));
    std::set<std::u16string> keys;
    for (uint64_t t = 0; t < 2000; ++t) keys.insert(CoderKeyText(UniformSeededAt(t * 10000)));
    EXPECT_EQ(keys.size(), 15u);
}

TEST_F(TextWindows, DecodeKeepsTheDrawnKeyTakesATypedOneAndUndoesEachMethod) {
    OpenCoder(prompts);
    Click(IDC_CD_OPTDECODE);
    EXPECT_TRUE(Checked(IDC_CD_OPTDECODE) && !Checked(IDC_CD_OPTCODE) && IsWindowEnabled(Ctl(IDC_CD_TXTKEY)));
    EXPECT_EQ(drawCount, 1) << "Decode draws no key";
    // No key typed: the drawn 8 stays; then a typed one is read. Unreadable keys are the host tests'.
    const struct { const char16_t *key, *input; int method; std::u16string expected; } cases[] = {
        {nullptr, u"SIHT JR Z SFRU", 1, kTestText}, {nullptr, u"BPQA QA I BMAB", 2, kTestText},
        {nullptr, u"HTSII  S AETTS", 3, kTestText}, {u"3", u"WKLV LV D WHVW", 2, kTestText}};
    for (const auto& c : cases) {
        if (c.key) Put(IDC_CD_TXTKEY, c.key);
        Ok(c.input);
        EXPECT_EQ(Method(c.method), c.expected) << ToUtf8(c.input) << ", method " << c.method;
    }
}

TEST_F(TextWindows, EachCopyPutsItsRowOnTheClipboard) {
    OpenCoder(prompts);
    const auto copy = [&](int n) {
        clipboard.SetText(u"something else");
        Click(IDC_CD_CMDCOPY1 + n - 1);
        return test::ClipboardText();
    };
    EXPECT_EQ(copy(1) + copy(2) + copy(3), u"SIHT JR Z SFRU" u"BPQA QA I BMAB" u"HTSII  S AETTS");
    // An empty row empties the clipboard; non-ANSI text survives method 3 and the clipboard whole.
    Click(IDC_CD_OPTDECODE);
    Put(IDC_CD_TXTKEY, u"");
    Ok(u"\u03A9\u4E2D\u00E9");
    EXPECT_EQ(copy(2), u"");
    EXPECT_EQ(copy(3), u"\u4E2D\u03A9\u00E9");
    // Another program holding the clipboard: the user is told, the clipboard keeps its text.
    win::UniqueHandle opened(CreateEventW(nullptr, TRUE, FALSE, nullptr)), done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread holder([&] {
        HWND own = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        OpenClipboard(own);  // held by a window: Wine lets an owner-less open through
        SetEvent(opened.get());
        WaitForSingleObject(done.get(), 10000);
        CloseClipboard();
        DestroyWindow(own);
    });
    WaitForSingleObject(opened.get(), 10000);
    prompts.answers = {answer::Ok};
    Click(IDC_CD_CMDCOPY1);
    SetEvent(done.get());
    holder.join();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, kClipboardBusyText);
    EXPECT_EQ(test::ClipboardText(), u"\u4E2D\u03A9\u00E9");
}

TEST_F(TextWindows, CoderResultsLookDisabledTheKeyTurnsWhiteForDecodingAndTheOutputIsWhite) {
    OpenCoder(prompts);
    const Colours disabled{0xE0FFFF, 0x808080, 0xE0FFFF};
    for (int id : {IDC_CD_TXTMETHOD1, IDC_CD_TXTMETHOD2, IDC_CD_TXTMETHOD3, IDC_CD_TXTKEY})
        EXPECT_EQ(Look(WM_CTLCOLORSTATIC, id), disabled) << id;
    Click(IDC_CD_OPTDECODE);
    EXPECT_EQ(Look(WM_CTLCOLOREDIT, IDC_CD_TXTKEY), (Colours{0xFFFFFF, 0x000000, 0xFFFFFF}));
    EXPECT_EQ(Look(WM_CTLCOLORSTATIC, IDC_CD_TXTMETHOD2), disabled) << "the results keep their look";
    Click(IDC_CD_OPTCODE);
    EXPECT_EQ(Look(WM_CTLCOLORSTATIC, IDC_CD_TXTKEY), disabled);
    EXPECT_NE(Look(WM_CTLCOLOREDIT, IDC_CD_TXTINPUT)[0], 0xE0FFFFu) << "the input keeps the system's colours";
    OpenNumberConv(prompts);
    const Colours output = Look(WM_CTLCOLORSTATIC, IDC_NC_LBLOUTPUT);
    EXPECT_TRUE(output[0] == GetSysColor(COLOR_WINDOW) && output[2] == GetSysColor(COLOR_WINDOW));
}

TEST_F(TextWindows, CoderWithNoModeChosenShowsTheGuardInARealBoxAndChangesNothing) {
    OpenCoder(realPrompts);
    SendMessageW(Ctl(IDC_CD_OPTCODE), BM_SETCHECK, BST_UNCHECKED, 0);
    bool cancelButton = true;
    AnswerBoxes([&](HWND box) { cancelButton = GetDlgItem(box, IDCANCEL) != nullptr; });
    buttons = {IDOK};
    Ok(u"ABCD");
    EXPECT_EQ(boxes, std::vector<std::u16string>{u"Wrenfold|Please choose to optcode or optDecode!"});
    EXPECT_FALSE(cancelButton);
    EXPECT_TRUE(Method(1) == u"SIHT JR Z SFRU" && Method(2) == u"BPQA QA I BMAB");
}

TEST_F(TextWindows, EnterPressesTheDefaultButtonEscClosesOnlyTheCoder) {
    OpenCoder(prompts);
    Put(IDC_CD_TXTINPUT, u"ABCDE");
    EXPECT_TRUE(PressKey(IDC_CD_TXTINPUT, VK_RETURN));
    EXPECT_EQ(Method(3), u"BADCE");
    EXPECT_TRUE(PressKey(IDC_CD_TXTINPUT, VK_ESCAPE));
    EXPECT_FALSE(IsWindow(dlg));
    OpenNumberConv(prompts);
    Types(base::Octal, base::Decimal);
    Put(IDC_NC_TXTINPUT, u"777");
    EXPECT_TRUE(PressKey(IDC_NC_TXTINPUT, VK_RETURN));
    EXPECT_EQ(Get(IDC_NC_LBLOUTPUT), u"511");
    PressKey(IDC_NC_TXTINPUT, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(dlg)) << "Exit is no cancel button";
    Click(IDC_NC_CMDEXIT);
    // Reopened, the coder starts afresh, with its own clock-seeded key.
    dlg = forms.Open<frmCodeDecode>("frmCodeDecode", prompts, clipboard).hwnd();
    const int key = std::stoi(ToUtf8(Get(IDC_CD_TXTKEY)));
    EXPECT_TRUE(Get(IDC_CD_TXTINPUT) == kTestText && key >= 1 && key <= 15) << key;
    Click(IDC_CD_CMDEXIT);
    EXPECT_TRUE(forms.Loaded().empty());
}

TEST_F(TextWindows, NumberConvConvertsWithBothOptionGroups) {
    OpenNumberConv(prompts);
    Put(IDC_NC_TXTINPUT, u"255");
    Types(base::Octal, base::Hexadecimal);
    EXPECT_EQ(Get(IDC_NC_LBLOUTPUT), u"0") << "choosing a type converts nothing";
    using namespace base;  // each base once as input and once as output; the host tests hold the rules
    const struct { int in, out; std::u16string input, expected; } cases[] = {
        {Decimal, Hexadecimal, u"255", u"FF"}, {Hexadecimal, Octal, u"FFFF", u"37777777777"},
        {Octal, Binary, u"5", u"0101"}, {Binary, Decimal, u"1x1", u"5"}};
    for (const auto& c : cases) {
        Types(c.in, c.out);
        EXPECT_EQ(Convert(c.input), c.expected) << ToUtf8(c.input) << ": " << c.in << " to " << c.out;
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(TextWindows, NumberConvOverflowIsAnsweredThroughTheRealErrorReport) {
    OpenNumberConv(realPrompts);
    std::vector<std::u16string> outputs;  // the output while each report is up
    AnswerBoxes([&](HWND) { outputs.push_back(Get(IDC_NC_LBLOUTPUT)); });
    const std::u16string report =
        u"Number Converter error|An error occured while executing this command:\r\n\r\nOverflow (6)";
    // Each answer once; where the overflow starts is the host tests' business.
    const struct { std::u16string input; std::deque<int> answers; std::u16string expected; } cases[] = {
        {u"2147483648", {IDIGNORE}, u"0"}, {u"-2147483649", {IDRETRY, IDABORT}, u""}};
    for (const auto& c : cases) {
        boxes.clear();
        buttons = c.answers;
        EXPECT_EQ(Convert(c.input), c.expected) << ToUtf8(c.input);
        EXPECT_EQ(boxes, std::vector<std::u16string>(c.answers.size(), report)) << ToUtf8(c.input);
    }
    EXPECT_EQ(outputs, std::vector<std::u16string>(3, u"")) << "the output is cleared before reading";
}

// Exit from the tray reaches the program while the report is up (the tray's
// callback is not blocked by the disabled windows) and unloads the window
// under its own running handler: the object must outlive that handler.
TEST_F(TextWindows, NumberConvClosedDuringTheErrorReportWaitsForTheConversion) {
    enum How { CloseBox, ExitButton, MenuExit };
    for (How how : {CloseBox, ExitButton, MenuExit}) {
        answerer.reset();  // the last case's would take the new window for a box
        OpenNumberConv(realPrompts);
        boxes.clear();
        buttons = {IDIGNORE};
        bool disabled = false;
        // Queued ahead of the answer: the box's own loop runs them first.
        AnswerBoxes([&](HWND) {
            disabled = !IsWindowEnabled(dlg);
            if (how == CloseBox) PostMessageW(dlg, WM_CLOSE, 0, 0);
            if (how == ExitButton) test::PressButton(dlg, IDC_NC_CMDEXIT);
            if (how == MenuExit) forms.UnloadAll();
            test::PressButton(dlg, IDC_NC_CMDCONVERT);
        });
        Convert(u"99999999999");
        EXPECT_TRUE(disabled) << how;
        EXPECT_EQ(boxes.size(), 1u) << "a second conversion started inside the first";
        EXPECT_FALSE(IsWindow(dlg)) << how;
        EXPECT_TRUE(forms.Loaded().empty());
    }
}

}  // namespace
}  // namespace wf
