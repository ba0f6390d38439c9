// The coder / decoder, the number converter and MD5 hashing as real (headless)
// windows, driven through their controls, with the real clipboard and the real
// aamd532.dll beside this exe; a library without its functions is a copy of
// one of the system's.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <array>
#include <cstring>
#include <set>

#include "common/ErrorReport.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/Win32Prompts.h"
#include "tools/text/frmCodeDecode.h"
#include "tools/text/frmCodeDecodeIds.h"
#include "tools/text/frmMD5.h"
#include "tools/text/frmMD5Ids.h"
#include "tools/text/frmNumberConv.h"
#include "tools/text/frmNumberConvIds.h"
#include "win/TestWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using Colours = std::array<COLORREF, 3>;  // background, text, brush
using test::Thrown;
const std::u16string kTestText = u"THIS IS A TEST", kEmptyDigest = u"d41d8cd98f00b204e9800998ecf8427e",
                     kADigest = u"0cc175b9c0f1b6a831c399e269772661", kAbcDigest = u"900150983cd24fb0d6963f7d28e17f72",
                     kMessageDigest = u"f96b697d7cb7938d525a2f31aaf161d0";

// The real library, noting the mouse pointer while it reads a file.
struct CursorSpy : Md5Library {
    Aamd532Library real;
    HCURSOR during = nullptr;
    int32_t MDFile(const char* path, char* digest) override { return during = GetCursor(), real.MDFile(path, digest); }
    int32_t MDStringFix(const char* text, int32_t n, char* digest) override { return real.MDStringFix(text, n, digest); }
};

struct TextWindows : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    test::FakeCommonDialogs dialogs;
    win::Win32Prompts realPrompts;
    win::Win32Clipboard clipboard;
    CursorSpy library;
    test::ScratchFolder dir;
    HWND dlg = nullptr;
    std::vector<double> draws{0.5};  // the coder's uniform draws in turn, the last repeating (0.5: key 8)
    int drawCount = 0;

    void OpenCoder() {
        const auto draw = [this] { return draws[std::min<size_t>(drawCount++, draws.size() - 1)]; };
        dlg = forms.Open<frmCodeDecode>("frmCodeDecode", prompts, clipboard, draw).hwnd();
    }
    void OpenNumberConv(Prompts& p) { dlg = forms.Open<frmNumberConv>("frmNumberConv", p).hwnd(); }
    void OpenMd5(Md5Library& lib) { dlg = forms.Open<frmMD5>("frmMD5", prompts, dialogs, clipboard, lib).hwnd(); }
    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
    std::u16string Method(int n) const { return Get(IDC_CD_TXTMETHOD1 + n - 1); }
    // Enter presses the default button: OK, and Convert!.
    void Ok(const std::u16string& input) {
        Put(IDC_CD_TXTINPUT, input);
        EXPECT_TRUE(test::PressKey(forms, Ctl(IDC_CD_TXTINPUT), VK_RETURN));
    }
    std::u16string Convert(int in, int out, const std::u16string& input) {
        Click(IDC_NC_OPTINPUTTYPE_BASE + in);
        Click(IDC_NC_OPTOUTPUTTYPE_BASE + out);
        Put(IDC_NC_TXTINPUT, input);
        EXPECT_TRUE(test::PressKey(forms, Ctl(IDC_NC_TXTINPUT), VK_RETURN));
        return Get(IDC_NC_LBLOUTPUT);
    }
    std::u16string Go(const std::u16string& path) {
        Put(IDC_TXTINPUTFILE, path);
        Click(IDC_CMDGO);
        return Get(IDC_TXTFILEHASH);
    }
    // A message shown through the scripted prompts, as "title|style|text".
    std::u16string Shown(size_t i) const {
        const auto& m = prompts.messages.at(i);
        return m.title + u"|" + ToU16(std::to_string(m.style)) + u"|" + m.text;
    }
    // What the control is given when it asks its dialog for colours; no brush shows as CLR_INVALID.
    Colours Look(UINT msg, int id) const {
        const win::UniqueDC dc(CreateCompatibleDC(nullptr));
        SetBkColor(dc.get(), RGB(1, 2, 3));
        SetTextColor(dc.get(), RGB(4, 5, 6));
        const auto brush = SendMessageW(dlg, msg, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(Ctl(id)));
        LOGBRUSH lb{0, CLR_INVALID, 0};
        if (brush) GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
        return Colours{GetBkColor(dc.get()), GetTextColor(dc.get()), lb.lbColor};
    }
};

TEST_F(TextWindows, CoderAndConverterOpenWithTheirCaptionsChoicesAndLooks) {
    OpenCoder();  // Form_Load codes the test text with the drawn key, 8
    EXPECT_EQ(test::AllTexts(dlg), u"Coder / Decoder|THIS IS A TEST|OK|Code|Decode|Method &1:|SIHT JR Z SFRU|Copy|"
                                   u"Method &2:|BPQA QA I BMAB|8|Copy|Method &3:|HTSII  S AETTS|Copy|Exit");
    EXPECT_TRUE(Checked(IDC_CD_OPTCODE) && !Checked(IDC_CD_OPTDECODE));
    // Nobody types into the results or, while coding, the key: they look disabled.
    const Colours disabled{0xE0FFFF, 0x808080, 0xE0FFFF};
    for (int id : {IDC_CD_TXTMETHOD1, IDC_CD_TXTMETHOD2, IDC_CD_TXTMETHOD3, IDC_CD_TXTKEY}) {
        EXPECT_FALSE(IsWindowEnabled(Ctl(id))) << id;
        EXPECT_EQ(Look(WM_CTLCOLORSTATIC, id), disabled) << id;
    }
    EXPECT_NE(Look(WM_CTLCOLOREDIT, IDC_CD_TXTINPUT)[0], 0xE0FFFFu) << "the input keeps the system's colours";
    Click(IDC_CD_OPTDECODE);
    EXPECT_TRUE(Checked(IDC_CD_OPTDECODE) && !Checked(IDC_CD_OPTCODE) && IsWindowEnabled(Ctl(IDC_CD_TXTKEY)));
    EXPECT_EQ(Look(WM_CTLCOLOREDIT, IDC_CD_TXTKEY), (Colours{0xFFFFFF, 0x000000, 0xFFFFFF}));
    EXPECT_EQ(Look(WM_CTLCOLORSTATIC, IDC_CD_TXTMETHOD2), disabled) << "the results keep their look";
    Click(IDC_CD_OPTCODE);
    EXPECT_EQ(Look(WM_CTLCOLORSTATIC, IDC_CD_TXTKEY), disabled);

    OpenNumberConv(prompts);
    EXPECT_EQ(test::AllTexts(dlg), u"Number converter|&Input:|0|Input type|Octal (8)|Binary (2)|Hex (16)|Decimal (10)||"
                                   u"Output type|Octal (8)|Binary (2)|Hex (16)|Decimal (10)|0|Convert!|Exit");
    for (int i = base::Binary; i <= base::Octal; ++i)
        EXPECT_EQ(Checked(IDC_NC_OPTINPUTTYPE_BASE + i) + Checked(IDC_NC_OPTOUTPUTTYPE_BASE + i),
                  i == base::Decimal ? 2 : 0) << i;
    const Colours output = Look(WM_CTLCOLORSTATIC, IDC_NC_LBLOUTPUT);
    EXPECT_TRUE(output[0] == GetSysColor(COLOR_WINDOW) && output[2] == GetSysColor(COLOR_WINDOW));
}

// Which draw gives which key, and what each method does, are the host tests' business.
TEST_F(TextWindows, CodeDrawsAKeyDecodeUsesTheShownOneAndNoModeIsRefused) {
    draws = {0.5, 0.0};
    OpenCoder();
    const std::u16string before = Method(2);
    Click(IDC_CD_OPTCODE);
    EXPECT_EQ(Get(IDC_CD_TXTKEY) + Method(2), u"1" + before) << "a mode choice alone recomputes nothing";
    Click(IDC_CD_CMDOK);
    EXPECT_EQ(Method(2), code2(kTestText, 1));
    Click(IDC_CD_OPTDECODE);
    Ok(u"UIJT");  // with the drawn key, 1, until another is typed
    const std::u16string drawn = Method(2);
    Put(IDC_CD_TXTKEY, u"3");
    Ok(u"WKLV");
    EXPECT_EQ(drawn + u"|" + Method(2), u"THIS|THIS");
    EXPECT_EQ(drawCount, 2) << "each Code draws once, Decode never";
    // No mode chosen: the guard, and the rows stay.
    SendMessageW(Ctl(IDC_CD_OPTDECODE), BM_SETCHECK, BST_UNCHECKED, 0);
    prompts.answers = {answer::Ok};
    Ok(u"ABCD");
    EXPECT_EQ(Shown(0) + u"|" + Method(2), u"|0|Please choose to optcode or optDecode!|THIS");
    // The window's own draw: one clock reading gives one value; readings a tick apart reach every key.
    EXPECT_EQ(UniformSeededAt(123456789), UniformSeededAt(123456789));
    std::set<std::u16string> keys;
    for (uint64_t t = 0; t < 2000; ++t) keys.insert(CoderKeyText(UniformSeededAt(t * 10000)));
    EXPECT_EQ(keys.size(), 15u);
}

TEST_F(TextWindows, EachCopyPutsItsRowOnTheClipboardOrSaysItIsBusy) {
    OpenCoder();
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
    // Another window holding the clipboard: the user is told, the clipboard keeps its text.
    const win::UniqueWindow holder(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    ASSERT_TRUE(OpenClipboard(holder.get()));
    prompts.answers = {answer::Ok};
    Click(IDC_CD_CMDCOPY1);
    CloseClipboard();
    EXPECT_EQ(Shown(0), u"|48|" + std::u16string(kClipboardBusyText));
    EXPECT_EQ(test::ClipboardText(), u"\u4E2D\u03A9\u00E9");
}

TEST_F(TextWindows, EscClosesOnlyTheCoderWhichReopensAfreshWithAClockSeededKey) {
    OpenCoder();
    EXPECT_TRUE(test::PressKey(forms, Ctl(IDC_CD_TXTINPUT), VK_ESCAPE));
    EXPECT_FALSE(IsWindow(dlg));
    OpenNumberConv(prompts);
    test::PressKey(forms, Ctl(IDC_NC_TXTINPUT), VK_ESCAPE);
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
    Click(IDC_NC_OPTINPUTTYPE_BASE + base::Octal);
    Click(IDC_NC_OPTOUTPUTTYPE_BASE + base::Hexadecimal);
    EXPECT_EQ(Get(IDC_NC_LBLOUTPUT), u"0") << "choosing a type converts nothing";
    using namespace base;  // each base once as input and once as output; the host tests hold the rules
    const struct { int in, out; std::u16string input, expected; } cases[] = {
        {Decimal, Hexadecimal, u"255", u"FF"}, {Hexadecimal, Octal, u"FFFF", u"37777777777"},
        {Octal, Binary, u"5", u"0101"}, {Binary, Decimal, u"1x1", u"5"}};
    for (const auto& c : cases) EXPECT_EQ(Convert(c.in, c.out, c.input), c.expected) << c.in << " to " << c.out;
    EXPECT_TRUE(prompts.messages.empty());
}

// The overflow report is a real box, up while the output is already cleared.
// Exit from the tray reaches the program while it is up (the tray's callback
// is not blocked by the disabled windows) and unloads the window under its own
// running handler: the object must outlive that handler.
TEST_F(TextWindows, NumberConvOverflowIsReportedAndClosingDuringTheReportWaitsForTheConversion) {
    enum How { StayOpen, CloseBox, ExitButton, MenuExit };
    for (How how : {StayOpen, CloseBox, ExitButton, MenuExit}) {
        OpenNumberConv(realPrompts);
        std::vector<std::u16string> shown;  // "title|text|output" of each report, while the window is disabled
        test::DialogAnswerer answerer([&](HWND box) {
            if (box == dlg) return;  // the tool window is a dialog too
            shown.push_back(test::WindowText(box) + u"|" + test::MessageBoxText(box) + u"|" + Get(IDC_NC_LBLOUTPUT) +
                            (IsWindowEnabled(dlg) ? u"|enabled" : u""));
            // Queued ahead of the answer: the box's own loop runs them first.
            if (how == CloseBox) PostMessageW(dlg, WM_CLOSE, 0, 0);
            if (how == ExitButton) test::PressButton(dlg, IDC_NC_CMDEXIT);
            if (how == MenuExit) forms.UnloadAll();
            test::PressButton(dlg, IDC_NC_CMDCONVERT);  // must not start a second conversion inside the first
            test::PressButton(box, IDIGNORE);
        });
        const std::u16string output = Convert(base::Decimal, base::Decimal, u"99999999999");
        EXPECT_EQ(shown, std::vector<std::u16string>{u"Number Converter error|An error occured while executing this "
                                                     u"command:\r\n\r\nOverflow (6)|"}) << how;
        EXPECT_TRUE(how == StayOpen ? IsWindow(dlg) && forms.Loaded().size() == 1 && output == u"0"  // Ignore: 0
                                    : !IsWindow(dlg) && forms.Loaded().empty()) << how;
        forms.UnloadAll();
    }
}

// MDStringFix and MDFile: a call's answer and the 32 characters it left in a
// buffer of spaces followed by a NUL and a guard byte; writing past the 32 shows as "overrun".
using Result = std::pair<int32_t, std::string>;
const std::string kUntouched(32, ' ');
Result Observe(const std::function<int32_t(char*)>& call) {
    char b[] = "                                \0#";
    const int32_t code = call(b);
    return {code, b[32] == '\0' && b[33] == '#' ? std::string(b, 32) : "overrun"};
}
Result HashText(Md5Library& lib, std::string_view text, int32_t length) {
    return Observe([&](char* d) { return lib.MDStringFix(text.data(), length, d); });
}
Result HashFile(Md5Library& lib, const std::u16string& path) {
    return Observe([&, ansi = ToAnsi(path)](char* d) { return lib.MDFile(ansi.c_str(), d); });
}

// The library past what the window shows of it. The hash is the system's, so
// what is ours is the bytes and their length, the hex, and reading in blocks:
// a text and a file of several blocks and a ragged end give md5sum's digest.
// A file that cannot be read gets the system's code, and MD5File the run-time error.
TEST(Aamd532, BothCallsHashExactlyTheirBytesAndFailuresLeaveTheBuffer) {
    Aamd532Library dll;  // loads the library by name on first use and takes both exports undecorated
    EXPECT_FALSE(dll.Loaded());
    std::string bytes(3 * (1 << 20) + 5, '\0');
    for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>((k * 131 + k / 4099) & 0xFF);
    const Result md5sum(0, "7db635eb08efc114f58a01288d97a00c");
    EXPECT_EQ(HashText(dll, bytes, static_cast<int32_t>(bytes.size())), md5sum);
    EXPECT_TRUE(dll.Loaded() && GetModuleHandleW(L"aamd532.dll"));
    test::ScratchFolder dir;
    EXPECT_EQ(HashFile(dll, dir.File(u"big.bin", bytes)), md5sum);
    EXPECT_EQ(HashFile(dll, dir.File(u"empty.txt", "")), Result(0, ToUtf8(kEmptyDigest)));
    EXPECT_EQ(HashText(dll, "abcdef", 3), Result(0, ToUtf8(kAbcDigest)));
    EXPECT_EQ(HashText(dll, {}, 0), Result(0, ToUtf8(kEmptyDigest)));  // no text at all
    EXPECT_EQ(HashText(dll, "abc", -1), Result(ERROR_INVALID_PARAMETER, kUntouched));
    const struct { std::u16string path; int32_t code, number; } unreadable[] = {
        {dir.Path(u"none.txt"), ERROR_FILE_NOT_FOUND, err::FileNotFound},
        {dir.Path(u"none.txt\\deeper.txt"), ERROR_PATH_NOT_FOUND, err::PathNotFound},
        {dir.Folder(u"folder"), ERROR_ACCESS_DENIED, err::PathFileAccess}};
    Win32Md5Files files;
    for (const auto& u : unreadable) {
        EXPECT_EQ(HashFile(dll, u.path), Result(u.code, kUntouched)) << ToUtf8(u.path);
        EXPECT_EQ(Thrown([&] { MD5File(dll, files, u.path); }).number(), u.number) << ToUtf8(u.path);
    }
}

// Each keystroke hashes the text; a file typed, chosen or dropped is hashed under the busy pointer; copy takes
// what shows.
TEST_F(TextWindows, Md5HashesTheTextAsTypedAndAFileTypedChosenOrDroppedAndCopiesWhatItShows) {
    OpenMd5(library);
    EXPECT_EQ(test::AllTexts(dlg), u"MD5 Hashing|Get MD5 hash of a string|&String:||&Hash: |" + kEmptyDigest +
                                       u"|copy|Get MD5 hash of a file|&File: ||...|Go!|H&ash: ||copy|Exit");
    for (int id : {IDC_TXTSTRINGHASH, IDC_TXTFILEHASH, IDC_TXTINPUTSTRING})
        EXPECT_EQ((GetWindowLongW(Ctl(id), GWL_STYLE) & ES_READONLY) != 0, id != IDC_TXTINPUTSTRING) << id;
    // No cancel button in its design: a stray Esc must not throw the typed text away.
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(dlg));
    for (wchar_t key : {L't', L'e', L's', L't'}) SendMessageW(Ctl(IDC_TXTINPUTSTRING), WM_CHAR, key, 1);
    EXPECT_EQ(Get(IDC_TXTSTRINGHASH), u"098f6bcd4621d373cade4e832627b4f6");
    Click(IDC_CMDSTRINGCOPY);
    EXPECT_EQ(test::ClipboardText(), u"098f6bcd4621d373cade4e832627b4f6");
    // Quoted, as Explorer's "Copy as path" gives it, and outside the ANSI code page: its short name goes over.
    const HCURSOR before = GetCursor();
    EXPECT_EQ(Go(std::u16string(1, u'"').append(dir.File(u"\u03a9\u4e2d.txt", "abc")).append(1, u'"')), kAbcDigest);
    EXPECT_TRUE(library.during == LoadCursorW(nullptr, IDC_WAIT) && GetCursor() == before);
    const std::u16string chosen = dir.File(u"ch\u00f6sen.txt", "a");  // ö goes over as the code page's byte
    dialogs.files = {chosen, u""};
    Click(IDC_CMDBROWSE);
    Click(IDC_CMDBROWSE);  // Cancel changes nothing
    ASSERT_EQ(dialogs.fileCalls.size(), 2u);
    const auto& call = dialogs.fileCalls[0];
    EXPECT_EQ(std::tie(call.owner, call.openFlag, call.title, call.filter),
              std::make_tuple(uintptr_t(dlg), int16_t{1}, u"Choose file...", std::u16string(u"Any File\0*.*", 12)));
    EXPECT_EQ(Get(IDC_TXTINPUTFILE) + u"|" + Get(IDC_TXTFILEHASH), chosen + u"|" + kADigest);
    const std::u16string dropped = dir.File(u"dropped.txt", "message digest");
    const DROPFILES head{sizeof head, {}, FALSE, TRUE};  // one wide name, then an empty one
    auto* drop = static_cast<char*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof head + (dropped.size() + 2) * 2));
    std::memcpy(drop, &head, sizeof head);
    std::memcpy(drop + sizeof head, dropped.c_str(), dropped.size() * 2);
    SendMessageW(dlg, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);  // the window frees it
    EXPECT_TRUE(GetWindowLongW(dlg, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(Get(IDC_TXTINPUTFILE) + u"|" + Get(IDC_TXTFILEHASH), dropped + u"|" + kMessageDigest);
    Click(IDC_CMDFILECOPY);
    EXPECT_EQ(test::ClipboardText(), kMessageDigest);
    // No name, or one that cannot be read: no digest stays, and the user is told why.
    const std::u16string missing = dir.Path(u"none.txt");
    prompts.answers = {answer::Ok, answer::Ok};
    EXPECT_EQ(Go(u""), u"");
    ASSERT_EQ(Go(dropped), kMessageDigest);
    EXPECT_EQ(Go(missing), u"");
    EXPECT_EQ(Shown(0).substr(0, 15), u"MD5 Hashing|48|");
    EXPECT_EQ(Shown(1), u"MD5 Hashing|48|The file \"" + missing + u"\" could not be hashed:\r\n" +
                            win::SystemMessage(ERROR_FILE_NOT_FOUND));
}

// A library that answers wrongly (here: writes nothing) is warned of each time
// the window opens; one without its functions follows Abort/Retry/Ignore.
TEST_F(TextWindows, Md5WarnsOfAWrongLibraryAndReportsOneWithoutItsFunctions) {
    struct : Md5Library {
        int32_t MDFile(const char*, char*) override { return 0; }
        int32_t MDStringFix(const char*, int32_t, char*) override { return 0; }
    } wrong;
    prompts.answers = {answer::Ok, answer::Ok};
    OpenMd5(wrong);
    const std::u16string warning = u"File Invalid|48|The aamd532.dll file you have is invalid! Please re-install!";
    EXPECT_EQ(Shown(0), warning);
    EXPECT_TRUE(IsWindowVisible(dlg));
    Click(IDC_CMDEXIT);
    EXPECT_TRUE(!IsWindow(dlg) && forms.Find("frmMD5") == nullptr);
    OpenMd5(wrong);
    EXPECT_EQ(Shown(1), warning);
    Click(IDC_CMDEXIT);
    // Any library without MDFile will do: a copy of one of the system's.
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\version.dll").c_str(), win::W(dir.Path(u"aamd532.dll")), TRUE));
    Aamd532Library noEntry(dir.Path(u""));
    // Self-test: Retry, then Ignore; the digest of the emptied box: Abort. Later nothing traps the change
    // handler, so it says so itself.
    prompts.messages.clear();
    prompts.answers = {answer::Retry, answer::Ignore, answer::Abort, answer::Ok};
    OpenMd5(noEntry);
    EXPECT_TRUE(IsWindowVisible(dlg) && Get(IDC_TXTSTRINGHASH).empty());
    SendMessageW(Ctl(IDC_TXTINPUTSTRING), WM_CHAR, L'x', 1);
    const CommandError noMDFile(453, u"Specified DLL function not found: MDFile in " + dir.Path(u"aamd532.dll"));
    const std::u16string report = CommandErrorTitle(u"Main loading procedure") + u"|" +
                                  ToU16(std::to_string(kCommandErrorStyle)) + u"|" + CommandErrorText(noMDFile);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(Shown(i), report) << i;
    EXPECT_EQ(Shown(3).substr(0, 15) + Get(IDC_TXTSTRINGHASH), u"MD5 Hashing|48|");
    EXPECT_FALSE(noEntry.Loaded()) << "a library without both functions is not kept";
}

// With no library to load, frmMD5 says so and ends the program at once,
// unloading nothing, not even the window beside it, whose unload would be
// noted. The notes go to stderr, which the death test reads.
TEST(Md5Missing, EndsTheProgramAtOnce) {
    struct Bystander : win::DialogForm {
        explicit Bystander(win::Forms& forms) : DialogForm(forms, IDD_TESTWINDOW) {}
        void Form_Unload() override { std::fputs("unloaded\n", stderr); }
    };
    struct NotedPrompts : test::FakePrompts {
        int MsgBox(std::u16string_view text, std::u16string_view title, int style) override {
            const std::u16string note = std::u16string(title) + u"|" + std::u16string(text) + u"|";
            std::fputs((ToUtf8(note) + std::to_string(style) + "\n").c_str(), stderr);
            return answer::Ok;
        }
    };
    EXPECT_EXIT(
        {
            win::Forms forms;
            NotedPrompts noted;
            test::FakeCommonDialogs dialogs;
            win::Win32Clipboard clipboard;
            Aamd532Library library(win::ProgramFolder() + u"\\md5-none");
            forms.Open<Bystander>("bystander");
            forms.Open<frmMD5>("frmMD5", noted, dialogs, clipboard, library);
        },
        ::testing::ExitedWithCode(48),
        "^File missing!\\|The aamd532\\.dll file was not found\\. Please re-install!\\|48\n$");
}

}  // namespace
}  // namespace wf
