// The coder / decoder and the number converter as real (headless) windows,
// driven through their controls: the clipboard is the real one, and the
// error report is answered through a real message box.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Prompts.h"
#include "tools/text/CodeMethods.h"
#include "tools/text/frmCodeDecode.h"
#include "tools/text/frmCodeDecodeIds.h"
#include "tools/text/frmNumberConv.h"
#include "tools/text/frmNumberConvIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

std::u16string ClipboardText() {
    std::u16string text;
    if (!OpenClipboard(nullptr)) return u"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const char16_t*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    } else {
        text = u"<no text>";
    }
    CloseClipboard();
    return text;
}

void PutClipboard(const std::u16string& text) { win::Win32Clipboard().SetText(text); }

// What a control asks its dialog for when it paints: background, text and brush colours.
struct Paint {
    COLORREF back, text, brush;
    bool handled;
};

Paint AskColours(HWND dlg, UINT msg, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(4, 5, 6));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dlg, msg, reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    LOGBRUSH lb{};
    if (brush) GetObjectW(brush, sizeof lb, &lb);
    Paint p{GetBkColor(dc), GetTextColor(dc), lb.lbColor, brush != nullptr};
    DeleteDC(dc);
    return p;
}

// A key press as the message loop gets it, sent through the dialogs' routing.
bool PressKey(const win::Forms& forms, HWND target, WPARAM key) {
    MSG msg{target, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
    const bool consumed = forms.RouteDialogMessage(msg);
    test::PumpMessages();
    return consumed;
}

RECT Rect(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return r;
}

// Capitals shifted `key` places forward with wrap-around, for keys 1 to 15.
std::u16string Caesar(std::u16string_view text, int key) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(u'A' + (c - u'A' + key) % 26);
    return out;
}

// ---------------------------------------------------------------- coder

struct CoderWindow : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    win::Win32Clipboard clipboard;
    std::deque<double> draws{0.5};  // key 8 unless a test says otherwise
    int drawCount = 0;
    HWND dlg = nullptr;

    void Open(Prompts& p) {
        auto draw = [this] {
            ++drawCount;
            const double v = draws.front();
            if (draws.size() > 1) draws.pop_front();
            return v;
        };
        dlg = forms.Open<frmCodeDecode>("frmCodeDecode", p, clipboard, draw).hwnd();
    }
    void Open() { Open(prompts); }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
    std::u16string Method(int n) const { return Get(IDC_CD_TXTMETHOD1 + n - 1); }
};

TEST_F(CoderWindow, OpensWithItsControlsAndTheThreeCodingsOfTheTestText) {
    Open();
    EXPECT_EQ(test::WindowText(dlg), u"Coder / Decoder");
    EXPECT_EQ(Get(IDC_CD_TXTINPUT), u"THIS IS A TEST");
    EXPECT_EQ(Get(IDC_CD_CMDOK), u"OK");
    EXPECT_EQ(Get(IDC_CD_OPTCODE), u"Code");
    EXPECT_EQ(Get(IDC_CD_OPTDECODE), u"Decode");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Get(IDC_CD_LABEL1_BASE + i), u"Method " + std::u16string(1, u'1' + i) + u":");
        EXPECT_EQ(Get(IDC_CD_CMDCOPY1 + i), u"Copy");
    }
    EXPECT_EQ(Get(IDC_CD_CMDEXIT), u"Exit");
    EXPECT_EQ(LOWORD(SendMessageW(dlg, DM_GETDEFID, 0, 0)), IDC_CD_CMDOK);

    // Form_Load: Code selected, one key drawn, OK run.
    EXPECT_TRUE(Checked(IDC_CD_OPTCODE));
    EXPECT_FALSE(Checked(IDC_CD_OPTDECODE));
    EXPECT_EQ(drawCount, 1);
    EXPECT_EQ(Get(IDC_CD_TXTKEY), u"8");
    EXPECT_EQ(Method(1), u"SIHT JR Z SFRU");
    EXPECT_EQ(Method(2), u"BPQA QA I BMAB");
    EXPECT_EQ(Method(3), u"HTSII  S AETTS");

    // Nobody types into the results or the Code-mode key.
    for (int id : {IDC_CD_TXTMETHOD1, IDC_CD_TXTMETHOD2, IDC_CD_TXTMETHOD3, IDC_CD_TXTKEY})
        EXPECT_FALSE(IsWindowEnabled(Ctl(id))) << id;
    EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_CD_TXTINPUT)));

    // The key box sits between method 2 and its Copy button.
    EXPECT_LT(Rect(Ctl(IDC_CD_TXTMETHOD2)).right, Rect(Ctl(IDC_CD_TXTKEY)).left);
    EXPECT_LT(Rect(Ctl(IDC_CD_TXTKEY)).right, Rect(Ctl(IDC_CD_CMDCOPY2)).left);
    EXPECT_LT(Rect(Ctl(IDC_CD_TXTMETHOD2)).right, Rect(Ctl(IDC_CD_TXTMETHOD1)).right);
}

TEST_F(CoderWindow, EveryCodeDrawsAKeyFrom1To15AndOkUsesIt) {
    draws = {0.0};
    for (int k = 1; k <= 15; ++k) draws.push_back((k - 0.5) / 15.0);
    draws.push_back(std::nextafter(1.0, 0.0));
    Open();
    EXPECT_EQ(Get(IDC_CD_TXTKEY), u"1");
    EXPECT_EQ(Method(2), Caesar(u"THIS IS A TEST", 1));
    for (int k = 1; k <= 15; ++k) {
        const std::u16string before = Method(2);
        Click(IDC_CD_OPTCODE);
        EXPECT_EQ(drawCount, k + 1);
        ASSERT_EQ(Get(IDC_CD_TXTKEY), ToU16(std::to_string(k)));
        EXPECT_EQ(Method(2), before) << "a mode choice alone recomputes nothing";
        Click(IDC_CD_CMDOK);
        EXPECT_EQ(Method(2), Caesar(u"THIS IS A TEST", k)) << k;
        EXPECT_EQ(Method(1), u"SIHT JR Z SFRU");
    }
    Click(IDC_CD_OPTCODE);
    EXPECT_EQ(Get(IDC_CD_TXTKEY), u"15");  // the top of [0, 1)
}

TEST_F(CoderWindow, TimeSeededKeysStayWithin1To15) {
    win::Forms own;
    HWND w = own.Open<frmCodeDecode>("frmCodeDecode", prompts, clipboard).hwnd();
    std::set<int> keys;
    for (int n = 0; n < 40; ++n) {
        SendDlgItemMessageW(w, IDC_CD_OPTCODE, BM_CLICK, 0, 0);
        const int key = std::stoi(ToUtf8(test::WindowText(GetDlgItem(w, IDC_CD_TXTKEY))));
        EXPECT_GE(key, 1);
        EXPECT_LE(key, 15);
        keys.insert(key);
    }
    // The same clock reading gives the same draw; readings a tick apart spread
    // over every key.
    EXPECT_EQ(UniformSeededAt(123456789), UniformSeededAt(123456789));
    std::set<std::u16string> fromSeeds;
    for (uint64_t t = 0; t < 2000; ++t) {
        const double u = UniformSeededAt(t * 10000);
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        fromSeeds.insert(CoderKeyText(u));
    }
    EXPECT_EQ(fromSeeds.size(), 15u);
}

TEST_F(CoderWindow, DecodeKeepsTheKeyAndUndoesEachMethod) {
    Open();
    Click(IDC_CD_CMDCOPY2);
    const std::u16string coded = ClipboardText();
    EXPECT_EQ(coded, u"BPQA QA I BMAB");
    Put(IDC_CD_TXTINPUT, coded);
    Click(IDC_CD_OPTDECODE);
    EXPECT_TRUE(Checked(IDC_CD_OPTDECODE));
    EXPECT_FALSE(Checked(IDC_CD_OPTCODE));
    EXPECT_EQ(drawCount, 1) << "Decode draws no key";
    EXPECT_EQ(Get(IDC_CD_TXTKEY), u"8");
    EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_CD_TXTKEY)));
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(2), u"THIS IS A TEST");

    // Methods 1 and 3 undo their own codings of the test text.
    Put(IDC_CD_TXTINPUT, u"SIHT JR Z SFRU");
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(1), u"THIS IS A TEST");
    Put(IDC_CD_TXTINPUT, u"HTSII  S AETTS");
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(3), u"THIS IS A TEST");

    // A typed key.
    Put(IDC_CD_TXTKEY, u"3");
    Put(IDC_CD_TXTINPUT, u"WKLV LV D WHVW");
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(2), u"THIS IS A TEST");
    Put(IDC_CD_TXTINPUT, u"AZAZ");
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(1), u"BYBY");
    EXPECT_EQ(Method(2), u"XWXW");
    EXPECT_EQ(Method(3), u"ZAZA");
}

TEST_F(CoderWindow, DecodeKeysThatGiveNoShiftEmptyOnlyMethod2) {
    Open();
    Click(IDC_CD_OPTDECODE);
    Put(IDC_CD_TXTINPUT, u"Hello, World");
    for (const char16_t* key : {u"", u"abc", u"0", u"40000"}) {
        Put(IDC_CD_TXTKEY, key);
        Click(IDC_CD_CMDOK);
        EXPECT_EQ(Method(2), u"") << ToUtf8(key);
        EXPECT_EQ(Method(1), u"Iello, Vorld");
        EXPECT_EQ(Method(3), u"eHll,oW rodl");
    }
    // Past 26 places one wrap leaves capitals below "A": punctuation, and a
    // NUL that must not cut the row short.
    Put(IDC_CD_TXTINPUT, u"ABCDE");
    Put(IDC_CD_TXTKEY, u"30");
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(2), u"=>?@A");
    Put(IDC_CD_TXTINPUT, u"ABZ");
    Put(IDC_CD_TXTKEY, u"91");
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(2), std::u16string(u"?\x01") + u"\x19");
}

TEST_F(CoderWindow, EachCopyPutsItsRowOnTheClipboard) {
    Open();
    for (int n = 1; n <= 3; ++n) {
        PutClipboard(u"something else");
        Click(IDC_CD_CMDCOPY1 + n - 1);
        EXPECT_EQ(ClipboardText(), Method(n)) << n;
    }
    EXPECT_EQ(ClipboardText(), u"HTSII  S AETTS");
    // An empty row replaces what was there with an empty text.
    Click(IDC_CD_OPTDECODE);
    Put(IDC_CD_TXTKEY, u"");
    Click(IDC_CD_CMDOK);
    PutClipboard(u"something else");
    Click(IDC_CD_CMDCOPY2);
    EXPECT_EQ(ClipboardText(), u"");
    // Non-ANSI text survives method 3 and the clipboard whole.
    Put(IDC_CD_TXTINPUT, u"\u03A9\u4E2D\u00E9");
    Click(IDC_CD_CMDOK);
    Click(IDC_CD_CMDCOPY3);
    EXPECT_EQ(ClipboardText(), u"\u4E2D\u03A9\u00E9");
}

TEST_F(CoderWindow, ResultBoxesLookDisabledAndTheKeyTurnsWhiteForDecoding) {
    Open();
    for (int id : {IDC_CD_TXTMETHOD1, IDC_CD_TXTMETHOD2, IDC_CD_TXTMETHOD3, IDC_CD_TXTKEY}) {
        const Paint p = AskColours(dlg, WM_CTLCOLORSTATIC, Ctl(id));
        ASSERT_TRUE(p.handled) << id;
        EXPECT_EQ(p.back, 0xE0FFFFu) << id;
        EXPECT_EQ(p.brush, 0xE0FFFFu) << id;
        EXPECT_EQ(p.text, 0x808080u) << id;
    }
    Click(IDC_CD_OPTDECODE);
    const Paint key = AskColours(dlg, WM_CTLCOLOREDIT, Ctl(IDC_CD_TXTKEY));
    EXPECT_EQ(key.back, 0xFFFFFFu);
    EXPECT_EQ(key.brush, 0xFFFFFFu);
    EXPECT_EQ(key.text, 0u);
    const Paint result = AskColours(dlg, WM_CTLCOLORSTATIC, Ctl(IDC_CD_TXTMETHOD2));
    EXPECT_EQ(result.back, 0xE0FFFFu) << "the results keep their look in Decode mode";
    Click(IDC_CD_OPTCODE);
    EXPECT_FALSE(IsWindowEnabled(Ctl(IDC_CD_TXTKEY)));
    EXPECT_EQ(AskColours(dlg, WM_CTLCOLORSTATIC, Ctl(IDC_CD_TXTKEY)).brush, 0xE0FFFFu);
    // The input box keeps the system's colours.
    EXPECT_NE(AskColours(dlg, WM_CTLCOLOREDIT, Ctl(IDC_CD_TXTINPUT)).back, 0xE0FFFFu);
}

TEST_F(CoderWindow, NoModeSelectedShowsTheGuardAndChangesNothing) {
    Open();
    SendMessageW(Ctl(IDC_CD_OPTCODE), BM_SETCHECK, BST_UNCHECKED, 0);
    Put(IDC_CD_TXTINPUT, u"ABCD");
    prompts.answers = {answer::Ok};
    Click(IDC_CD_CMDOK);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, u"Please choose to optcode or optDecode!");
    EXPECT_EQ(prompts.messages[0].title, u"");
    EXPECT_EQ(prompts.messages[0].style, mb::OkOnly);
    EXPECT_EQ(Method(1), u"SIHT JR Z SFRU");
    EXPECT_EQ(Method(3), u"HTSII  S AETTS");
}

TEST_F(CoderWindow, GuardThroughARealMessageBox) {
    win::Win32Prompts real;
    Open(real);
    SendMessageW(Ctl(IDC_CD_OPTCODE), BM_SETCHECK, BST_UNCHECKED, 0);
    std::u16string title, text;
    bool cancelButton = true;
    int boxes = 0;
    test::DialogAnswerer answerer([&](HWND box) {
        if (box == dlg) return;  // the tool window is a dialog too
        ++boxes;
        title = test::WindowText(box);
        text = test::MessageBoxText(box);
        cancelButton = GetDlgItem(box, IDCANCEL) != nullptr;
        test::PressButton(box, IDOK);
    });
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(title, u"Wrenfold");
    EXPECT_EQ(text, u"Please choose to optcode or optDecode!");
    EXPECT_FALSE(cancelButton);
    EXPECT_EQ(Method(2), u"BPQA QA I BMAB");
}

TEST_F(CoderWindow, EnterPressesOkAndEscExits) {
    Open();
    HWND input = Ctl(IDC_CD_TXTINPUT);
    SetFocus(input);
    Put(IDC_CD_TXTINPUT, u"ABCDE");
    EXPECT_TRUE(PressKey(forms, input, VK_RETURN));
    EXPECT_EQ(Method(3), u"BADCE");
    EXPECT_EQ(Method(1), u"ZCBED");
    EXPECT_TRUE(IsWindow(dlg));
    EXPECT_TRUE(PressKey(forms, input, VK_ESCAPE));
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
    // The next opening starts afresh, with a new key.
    Open();
    EXPECT_EQ(Get(IDC_CD_TXTINPUT), u"THIS IS A TEST");
    EXPECT_EQ(drawCount, 2);
    Click(IDC_CD_CMDEXIT);
    EXPECT_FALSE(IsWindow(dlg));
}

// ---------------------------------------------------------------- number converter

struct NumberWindow : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    frmNumberConv* form = nullptr;
    HWND dlg = nullptr;

    void Open(Prompts& p) {
        form = &forms.Open<frmNumberConv>("frmNumberConv", p);
        dlg = form->hwnd();
    }
    void Open() { Open(prompts); }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    std::u16string Output() const { return Get(IDC_NC_LBLOUTPUT); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void In(int type) { Click(IDC_NC_OPTINPUTTYPE_BASE + type); }
    void Out(int type) { Click(IDC_NC_OPTOUTPUTTYPE_BASE + type); }
    std::u16string Convert(const std::u16string& input) {
        SetWindowTextW(Ctl(IDC_NC_TXTINPUT), win::W(input));
        Click(IDC_NC_CMDCONVERT);
        return Output();
    }
};

TEST_F(NumberWindow, OpensWithItsControlsAndDecimalSelected) {
    Open();
    EXPECT_EQ(test::WindowText(dlg), u"Number converter");
    EXPECT_EQ(Get(IDC_NC_LABEL1), u"Input:");
    EXPECT_EQ(Get(IDC_NC_TXTINPUT), u"0");
    EXPECT_EQ(Get(IDC_NC_FRAINPUT), u"Input type");
    EXPECT_EQ(Get(IDC_NC_FRAOUTPUT), u"Output type");
    EXPECT_EQ(Output(), u"0");
    EXPECT_EQ(Get(IDC_NC_CMDCONVERT), u"Convert!");
    EXPECT_EQ(Get(IDC_NC_CMDEXIT), u"Exit");
    EXPECT_EQ(LOWORD(SendMessageW(dlg, DM_GETDEFID, 0, 0)), IDC_NC_CMDCONVERT);
    EXPECT_NE(Ctl(IDC_NC_LINE1), nullptr);
    EXPECT_EQ(form->InputType(), base::Decimal);
    EXPECT_EQ(form->OutputType(), base::Decimal);

    const std::u16string captions[] = {u"", u"Binary (2)", u"Decimal (10)", u"Hex (16)", u"Octal (8)"};
    for (int baseId : {IDC_NC_OPTINPUTTYPE_BASE, IDC_NC_OPTOUTPUTTYPE_BASE}) {
        for (int i = 1; i <= 4; ++i) {
            EXPECT_EQ(Get(baseId + i), captions[i]) << i;
            EXPECT_EQ(IsDlgButtonChecked(dlg, baseId + i) == BST_CHECKED, i == base::Decimal) << i;
        }
        // Octal, binary on the first row; hex, decimal on the second.
        const RECT oct = Rect(Ctl(baseId + 4)), bin = Rect(Ctl(baseId + 1)), hex = Rect(Ctl(baseId + 3)),
                   dec = Rect(Ctl(baseId + 2));
        EXPECT_EQ(oct.top, bin.top);
        EXPECT_LT(oct.left, bin.left);
        EXPECT_EQ(hex.top, dec.top);
        EXPECT_LT(hex.left, dec.left);
        EXPECT_LT(oct.top, hex.top);
        EXPECT_EQ(oct.left, hex.left);
    }
    // Input frame right of the input box; output frame below the line.
    EXPECT_LT(Rect(Ctl(IDC_NC_TXTINPUT)).right, Rect(Ctl(IDC_NC_FRAINPUT)).left);
    EXPECT_LT(Rect(Ctl(IDC_NC_LINE1)).top, Rect(Ctl(IDC_NC_FRAOUTPUT)).top);
    EXPECT_LT(Rect(Ctl(IDC_NC_FRAOUTPUT)).bottom, Rect(Ctl(IDC_NC_LBLOUTPUT)).top);
}

TEST_F(NumberWindow, ConvertsWithBothOptionGroups) {
    Open();
    SetWindowTextW(Ctl(IDC_NC_TXTINPUT), L"255");
    Out(base::Hexadecimal);
    EXPECT_EQ(form->OutputType(), base::Hexadecimal);
    EXPECT_EQ(Output(), u"0") << "choosing a type converts nothing";
    Click(IDC_NC_CMDCONVERT);
    EXPECT_EQ(Output(), u"FF");
    Out(base::Octal);
    EXPECT_EQ(Convert(u"255"), u"377");
    Out(base::Binary);
    EXPECT_EQ(Convert(u"255"), u"11111111");
    EXPECT_EQ(Convert(u"5"), u"0101");
    EXPECT_EQ(Convert(u"-1"), std::u16string(32, u'1'));
    Out(base::Decimal);
    EXPECT_EQ(Convert(u"2.5"), u"2");
    EXPECT_EQ(Convert(u"3.5"), u"4");
    EXPECT_EQ(Convert(u""), u"0");

    In(base::Hexadecimal);
    EXPECT_EQ(form->InputType(), base::Hexadecimal);
    EXPECT_EQ(Convert(u"FFFF"), u"-1");
    EXPECT_EQ(Convert(u"ff"), u"255");
    Out(base::Hexadecimal);
    EXPECT_EQ(Convert(u"FFFF"), u"FFFFFFFF");
    In(base::Binary);
    Out(base::Decimal);
    EXPECT_EQ(form->InputType(), base::Binary);
    EXPECT_EQ(Convert(u"1010"), u"10");
    EXPECT_EQ(Convert(u"1x1"), u"5");
    In(base::Octal);
    EXPECT_EQ(form->InputType(), base::Octal);
    EXPECT_EQ(Convert(u"777"), u"511");
    Out(base::Octal);
    EXPECT_EQ(Convert(u"177777"), u"37777777777");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(NumberWindow, OverflowAnsweredThroughTheRealErrorReport) {
    win::Win32Prompts real;
    Open(real);
    struct Shown {
        std::u16string title, text, label;
    };
    std::vector<Shown> shown;
    std::deque<int> buttons;
    test::DialogAnswerer answerer([&](HWND box) {
        if (box == dlg) return;  // the tool window is a dialog too
        shown.push_back({test::WindowText(box), test::MessageBoxText(box), Output()});
        test::PressButton(box, buttons.empty() ? IDABORT : buttons.front());
        if (!buttons.empty()) buttons.pop_front();
    });

    EXPECT_EQ(Convert(u"2147483647"), u"2147483647");
    EXPECT_TRUE(shown.empty());

    buttons = {IDABORT};
    EXPECT_EQ(Convert(u"2147483648"), u"");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u"Number Converter error");
    EXPECT_EQ(shown[0].text, u"An error occured while executing this command:\r\n\r\nOverflow (6)");
    EXPECT_EQ(shown[0].label, u"") << "the label is cleared before reading";

    buttons = {IDIGNORE};
    EXPECT_EQ(Convert(u"2147483648"), u"0");
    EXPECT_EQ(shown.size(), 2u);

    buttons = {IDRETRY, IDRETRY, IDABORT};
    EXPECT_EQ(Convert(u"-2147483649"), u"");
    EXPECT_EQ(shown.size(), 5u);

    In(base::Hexadecimal);
    Out(base::Hexadecimal);
    buttons = {IDIGNORE};
    EXPECT_EQ(Convert(u"100000000"), u"0");
    EXPECT_EQ(shown.size(), 6u);

    // Binary: the 31st character's place value overflows; Ignore keeps the sum.
    In(base::Binary);
    Out(base::Decimal);
    buttons = {IDIGNORE};
    EXPECT_EQ(Convert(std::u16string(31, u'1')), u"2147483647");
    EXPECT_EQ(shown.size(), 7u);
    buttons = {IDABORT};
    EXPECT_EQ(Convert(std::u16string(31, u'0')), u"");
    EXPECT_EQ(shown.size(), 8u);
    EXPECT_TRUE(IsWindow(dlg));
}

TEST_F(NumberWindow, ClosingDuringTheErrorReportWaitsForTheConversion) {
    for (bool closeBox : {false, true}) {
        win::Win32Prompts real;
        Open(real);
        const HWND window = dlg;
        int reports = 0;
        test::DialogAnswerer answerer([&](HWND box) {
            if (box == window) return;  // the tool window is a dialog too
            ++reports;
            // Queued ahead of the answer: the box's own loop runs them first.
            if (closeBox) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            } else {
                test::PressButton(window, IDC_NC_CMDEXIT);
            }
            test::PressButton(window, IDC_NC_CMDCONVERT);
            test::PressButton(box, IDIGNORE);
        });
        SetWindowTextW(Ctl(IDC_NC_TXTINPUT), L"99999999999");
        Click(IDC_NC_CMDCONVERT);
        EXPECT_EQ(reports, 1) << "a second conversion started inside the first";
        EXPECT_FALSE(IsWindow(window)) << closeBox;
        EXPECT_TRUE(forms.Loaded().empty());
    }
}

TEST_F(NumberWindow, EnterConvertsEscDoesNotCloseExitDoes) {
    Open();
    HWND input = Ctl(IDC_NC_TXTINPUT);
    SetFocus(input);
    In(base::Octal);
    SetFocus(input);
    SetWindowTextW(input, L"777");
    EXPECT_TRUE(PressKey(forms, input, VK_RETURN));
    EXPECT_EQ(Output(), u"511");
    PressKey(forms, input, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(dlg)) << "Exit is no cancel button";
    Click(IDC_NC_CMDEXIT);
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_TRUE(forms.Loaded().empty());
}

TEST_F(NumberWindow, OutputLabelWearsTheWindowBackground) {
    Open();
    const Paint p = AskColours(dlg, WM_CTLCOLORSTATIC, Ctl(IDC_NC_LBLOUTPUT));
    ASSERT_TRUE(p.handled);
    EXPECT_EQ(p.back, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(p.brush, GetSysColor(COLOR_WINDOW));
    // The label keeps a negative number's 32 binary digits on one line.
    HDC dc = GetDC(Ctl(IDC_NC_LBLOUTPUT));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Ctl(IDC_NC_LBLOUTPUT), WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"11111111111111111111111111111111", 32, &size);
    SelectObject(dc, old);
    ReleaseDC(Ctl(IDC_NC_LBLOUTPUT), dc);
    RECT client;
    GetClientRect(Ctl(IDC_NC_LBLOUTPUT), &client);
    EXPECT_LT(size.cx, client.right);
}

}  // namespace
}  // namespace wf
