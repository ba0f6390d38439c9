// The picture generator on Windows: decoding every format of the input filter, and
// frmASCII driven through its controls from loading a picture (made by
// AsciiFixtures.sh) to the page on disk, cancelled and failed runs included. What
// the page holds for given settings is the host tests' business; here each control
// reaches the page once.
#include <gtest/gtest.h>

#include <algorithm>

#include "asciipic/Win32PageServices.h"
#include "asciipic/frmASCII.h"
#include "asciipic/frmASCIIIds.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32Prompts.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using namespace std::string_view_literals;
using Boxes = std::vector<std::pair<int, std::u16string>>;
using win::ProgramFolder;
constexpr Colour kRed = 0x0000FF, kLime = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0;
constexpr std::u16string_view kInvalid = u"Please choose a picture. Current file is invalid.";
std::u16string Fixture(std::u16string_view name) { return ProgramFolder() + u"\\ascii-fixtures\\" + std::u16string(name); }

TEST(AsciiPicture, DecodesEveryFormatOfTheFilterOverTheBackgroundGivenAndNothingElse) {
    using Pixels = std::vector<std::tuple<int, int, Colour>>;
    const Pixels small = {{0, 0, kRed}, {4, 2, kLime}, {2, 1, kBlue}};
    const Pixels icon = {{0, 0, kRed}, {15, 15, kLime}, {15, 0, kBlue}};
    // Opaque pictures keep their own 24 bits a pixel; palettes, alpha and icons take 32.
    // A .dib file is a bitmap file under another name, read by its content alike.
    // No width: no picture (text, an empty file, none, no folder, a folder), which fails
    // to load and leaves the picture empty.
    const struct {
        const char16_t* file;
        Colour back = kBlack;
        int width = 0, height = 0, bits = 0;
        Pixels pixels = {};
        int tolerance = 0;
    } cases[] = {
        {u"s.bmp", kBlack, 5, 3, 24, small, 0}, {u"s.gif", kBlack, 5, 3, 32, small, 0},
        {u"s.png", kBlack, 5, 3, 24, small, 0},
        {u"s.ico", kBlack, 16, 16, 32, icon, 0}, {u"s.cur", kBlack, 16, 16, 32, icon, 0},
        // Lossy, so near: #C03020 and #2040A0 as colour numbers.
        {u"s.jpg", kBlack, 16, 8, 24, {{2, 2, 0x2030C0}, {5, 6, 0x2030C0}, {13, 5, 0xA04020}}, 6},
        // The left half is transparent and takes the background of the load.
        {u"tr.gif", kWhite, 4, 2, 32, {{0, 0, kWhite}, {1, 1, kWhite}, {2, 0, kBlue}, {3, 1, kBlue}}, 0},
        // Blue at alpha 0x80 lies half over the background, rounded.
        {u"a.png", kWhite, 3, 1, 32, {{0, 0, kRed}, {1, 0, kWhite}, {2, 0, 0xFF7F7F}}, 0},
        {u"a.png", kBlack, 3, 1, 32, {{0, 0, kRed}, {1, 0, kBlack}, {2, 0, 0x800000}}, 0},
        {u"x.bmp", kWhite, 3, 2, 32, {{0, 0, kRed}, {2, 1, kRed}}, 0},
        {u"notes.jpg"}, {u"empty.bmp"}, {u"missing.gif"}, {u"nowhere\\a.gif"}, {u""}};
    win::DibPicture picture;
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.file) + (c.back == kWhite ? " on white" : " on black"));
        picture.Load(Fixture(u"s.bmp"), kBlack);
        EXPECT_EQ(test::Thrown([&] { picture.Load(Fixture(c.file), c.back); }).number() == -1, c.width > 0);
        EXPECT_EQ(std::make_tuple(picture.Width(), picture.Height(), picture.Raster().Width(), picture.Raster().Height(),
                                  picture.Bitmap() != nullptr, picture.HimetricWidth() > 0, picture.HimetricHeight() > 0),
                  std::make_tuple(c.width, c.height, c.width, c.height, c.width > 0, c.width > 0, c.width > 0));
        if (c.width == 0) continue;
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(picture.Bitmap(), sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmBitsPixel, c.bits);
        for (const auto& [x, y, want] : c.pixels) {
            const Colour got = PixelAt(picture.Raster(), x, y);
            EXPECT_LE(std::max({std::abs(RedOf(got) - RedOf(want)), std::abs(GreenOf(got) - GreenOf(want)),
                                std::abs(BlueOf(got) - BlueOf(want))}), c.tolerance)
                << "pixel " << x << "," << y << " is " << std::hex << got << ", expected " << want;
        }
    }
    // No name is no picture, and no error; only a file that opens is readable.
    picture.Load(u"", kBlack);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(std::vector<bool>({win::FileReadable(Fixture(u"notes.jpg")), win::FileReadable(Fixture(u"missing.gif")),
                                 win::FileReadable(ProgramFolder()), win::FileReadable(u"")}),
              std::vector<bool>({true, false, false, false}));
}

// The real event pump and dates, with a script told the number of each call
// before it lets events run, and a clock that moves a time slice on every look,
// so a run lets events run at every look: a cancel lands at a known place.
struct ScriptedRun : EventPump, ClockLocale {
    explicit ScriptedRun(win::Forms& forms) : pump(forms) {}
    void DoEvents() override {
        if (script) script(++calls);
        pump.DoEvents();
    }
    uint64_t Milliseconds() override { return now += 20; }
    std::u16string NowText() override { return clock.NowText(); }
    std::u16string DecimalSeparator() override { return clock.DecimalSeparator(); }
    win::Win32EventPump pump;
    win::Win32ClockLocale clock;
    uint64_t now = 0;
    int calls = 0;
    std::function<void(int)> script;
};

constexpr std::string_view kFirstDate = "<!--- ASCII Picture created by Wrenfold ASCII Picture Generator on ";
constexpr std::string_view kLastDate = "<!--- ASCII Picture created by Wrenfold on ";

// The page in `path` with its two dates replaced by "<date>"; an empty date stays empty.
std::string MaskedPage(const std::u16string& path) {
    std::string page = test::FileBytes(path);
    for (std::string_view prefix : {kFirstDate, kLastDate}) {
        const size_t at = page.find(prefix), from = at + prefix.size(), to = page.find(" --->\r\n", at);
        if (at != std::string::npos && to != std::string::npos && to > from) page.replace(from, to - from, "<date>");
    }
    return page;
}

// A page in Terminal size 1 around `body`, with its dates masked.
std::string Page(std::string_view title, std::string_view bg, bool center, bool bold, std::string_view body) {
    return std::string(kFirstDate) + "<date> --->\r\n" + ToUtf8(kDownloadNoticeLine) + "\r\n<HTML>\r\n<HEAD><TITLE>" +
           std::string(title) + "</TITLE></HEAD>\r\n<BODY BGCOLOR=" + std::string(bg) + ">\r\n" +
           (center ? "<CENTER>\r\n" : "") + (bold ? "<B>\r\n" : "") + "<FONT FACE=\"Terminal\" SIZE=\"1\">\r\n<BR>\r\n" +
           std::string(body) + "<BR>\r\n" + (center ? "</CENTER>\r\n" : "") + (bold ? "</B>\r\n" : "") +
           "</BODY>\r\n</HTML>\r\n" + std::string(kLastDate) + "<date> --->\r\n" + ToUtf8(kFeedbackNoticeLine) + "\r\n";
}

struct AsciiWindow : ::testing::Test {
    win::Forms forms;
    test::FakePrompts fakePrompts;
    test::FakeCommonDialogs dialogs;
    ScriptedRun run{forms};
    win::Win32OutputFiles files;
    test::ScratchFolder dir;
    frmASCII* frm = nullptr;
    HWND h = nullptr;

    void SetUp() override { Open(); }
    void TearDown() override {
        forms.UnloadAll();
        test::PumpMessages();
    }
    void Open(std::u16string commandLine = u"C:\\Wrenfold\\wrenfold.exe", Prompts* prompts = nullptr) {
        forms.UnloadAll();
        frm = &forms.Open<frmASCII>("frmASCII", prompts ? *prompts : fakePrompts, dialogs, run, files, run,
                                    std::move(commandLine));
        h = frm->hwnd();
        ASSERT_NE(h, nullptr);
    }
    HWND Ctl(int id) const { return GetDlgItem(h, id); }
    std::u16string TextOf(int id) const { return test::WindowText(Ctl(id)); }
    std::u16string Status() const { return TextOf(IDC_LBLDESCRIPTION_BASE + 5); }
    void Type(int id, const std::u16string& text) { SendMessageW(Ctl(id), WM_SETTEXT, 0, LPARAM(win::W(text))); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    static LOGFONTW FontOf(HWND w) {
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof lf, &lf);
        return lf;
    }
    std::u16string CharsFontFace() const { return win::U(FontOf(Ctl(IDC_TXTASCIICHAR)).lfFaceName); }
    void ExpectIdle() const {
        EXPECT_EQ(test::WindowText(h) + u"|" + TextOf(IDC_CMDGENERATE), u"ASCII Picture Generator|&Generate HTML");
        EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_CMDEXIT)) && !frm->Running());
    }
    // Loads the fixture `pic`, fills in `boxes` and the quality (-1 keeps it) and
    // runs Generate into `out`, with `script` for the event pump.
    void Generate(std::u16string_view pic, const std::u16string& out, int16_t quality, const Boxes& boxes = {},
                  std::function<void(int)> script = nullptr) {
        Type(IDC_TXTINFILE, Fixture(pic));
        ASSERT_NE(Status(), kInvalid);
        Type(IDC_TXTOUTFILE, out);
        for (const auto& [id, text] : boxes) Type(id, text);
        if (quality >= 0) SendMessageW(Ctl(IDC_CMBQUALITY), CB_SETCURSEL, quality, 0);
        run.calls = 0;
        run.script = std::move(script);
        Click(IDC_CMDGENERATE);
        test::PumpMessages();
        run.script = nullptr;
    }
};

TEST_F(AsciiWindow, TheFontBoxListsEveryScreenFontOnceAndTheCharactersShowTheOneNamedElseTerminal) {
    const std::vector<std::u16string> names = test::ListItems(Ctl(IDC_CMBFONT));
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_TRUE(names[i][0] != u'@' && (i == 0 || CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                    win::W(names[i - 1]), -1, win::W(names[i]), -1) == CSTR_LESS_THAN)) << ToUtf8(names[i]);
    EXPECT_EQ(std::count(names.begin(), names.end(), u"Tahoma"), 1);
    EXPECT_EQ(CharsFontFace(), u"Terminal");
    // Typed key by key over the selected text; any case finds the font.
    HWND edit = FindWindowExW(Ctl(IDC_CMBFONT), nullptr, L"Edit", nullptr);
    const std::pair<std::u16string_view, std::u16string_view> typed[] = {
        {u"tahoma", u"Tahoma"}, {u"Tahom", u"Terminal"}, {u"Tahomax", u"Terminal"}};
    for (const auto& [name, face] : typed) {
        SendMessageW(edit, EM_SETSEL, 0, -1);
        for (char16_t c : name) SendMessageW(edit, WM_CHAR, c, 1);
        ASSERT_EQ(TextOf(IDC_CMBFONT), name);
        EXPECT_EQ(CharsFontFace(), face) << ToUtf8(std::u16string(name));
    }
    // Picked from the list; only the face changes, the size is the window's.
    test::Drive(h, {{IDC_CMBFONT, u"Tahoma"}});
    EXPECT_EQ(CharsFontFace(), u"Tahoma");
    EXPECT_EQ(FontOf(Ctl(IDC_TXTASCIICHAR)).lfHeight, FontOf(h).lfHeight);
}

TEST_F(AsciiWindow, TheButtonsOpenTheirDialogsAndTheChooseButtonsTakeTheFileChosen) {
    fakePrompts.answers = {answer::Ok};
    Click(IDC_CMDQUALITYHELP);  // the tips, word for word in the window's code
    ASSERT_EQ(fakePrompts.messages.size(), 1u);
    EXPECT_EQ(fakePrompts.messages[0].title + u"|" + ToU16(std::to_string(fakePrompts.messages[0].style)) + u"|" +
                  fakePrompts.messages[0].text.substr(0, 27), u"Tips on choosing quality|64|Tips on choosing quality:\r\n");
    const std::u16string bmp = Fixture(u"s.bmp");
    const struct { int button, box; int16_t openFlag; std::u16string title, filter, ext, chosen; } cases[] = {
        {IDC_CMDCHOOSEOUTPUT, IDC_TXTOUTFILE, 0, u"Where to save ASCII Picture?",
         std::u16string(u"HTM files\0*.htm\0HTML Files\0*.html\0"sv), u"htm", dir.Path(u"cat.htm")},
        {IDC_CMDCHOOSEINPUT, IDC_TXTINFILE, 1, u"Choose input picture...",
         std::u16string(u"Any picture file\0*.bmp;*.dib;*.jpeg;*.jpg;*.jpe;*.gif;*.ico;*.cur\0"sv), u"jpg", bmp},
    };
    for (const auto& c : cases) {
        dialogs.files = {c.chosen, u""};
        dialogs.fileCalls.clear();
        Click(c.button);
        EXPECT_EQ(TextOf(c.box), c.chosen);
        Click(c.button);  // cancelled: the dialog was offered the box's file, and the box is emptied
        EXPECT_EQ(TextOf(c.box), u"");
        ASSERT_EQ(dialogs.fileCalls.size(), 2u);
        const auto& call = dialogs.fileCalls[0];  // the hint is no file name: the dialog starts with none
        EXPECT_EQ(std::tie(call.owner, call.openFlag, call.title, call.initialFile, call.filter, call.initialDir,
                           call.defaultExt),
                  std::make_tuple(uintptr_t(h), c.openFlag, c.title, std::u16string(), c.filter, ProgramFolder(), c.ext));
        EXPECT_EQ(dialogs.fileCalls[1].initialFile, c.chosen);
    }
    // The input emptied empties the raster; the output proposed for it stays.
    EXPECT_EQ(Status() + u"|" + TextOf(IDC_TXTOUTFILE), u"Dimensions: 0x0|" + bmp + u"_ascii.htm");
    EXPECT_EQ(frm->Picture().Width(), 0);
}

TEST_F(AsciiWindow, TypingAPathLoadsOnEveryKeystrokeAndSizesThePreview) {
    const win::WindowDC dc(h);
    // A small picture's preview is as many twips as HIMETRIC: 132 x 79, 9 x 5 pixels at 96 dpi.
    const int dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX), dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY);
    const RECT small{0, 0, MulDiv(MulDiv(5, 2540, dpiX), dpiX, 1440), MulDiv(MulDiv(3, 2540, dpiY), dpiY, 1440)};
    const std::u16string gif = Fixture(u"s.gif"), typed = gif + u"x";
    SendMessageW(Ctl(IDC_TXTINFILE), EM_SETSEL, 0, -1);
    for (size_t i = 0; i < typed.size(); ++i) {
        SendMessageW(Ctl(IDC_TXTINFILE), WM_CHAR, typed[i], 1);
        const bool whole = i + 1 == gif.size();
        RECT rc{};
        GetClientRect(Ctl(IDC_IMGPIC), &rc);
        ASSERT_EQ(Status(), whole ? u"Dimensions: 5x3" : kInvalid) << i;
        ASSERT_TRUE((IsWindowVisible(Ctl(IDC_IMGPIC)) != FALSE) == whole && (frm->Picture().Width() == 5) == whole) << i;
        ASSERT_TRUE(!whole || EqualRect(&rc, &small)) << rc.right << "x" << rc.bottom;
        // The output is proposed once the input loads, and then kept.
        ASSERT_EQ(TextOf(IDC_TXTOUTFILE), i + 1 < gif.size() ? u"A HTML File" : gif + u"_ascii.htm") << i;
    }
}

TEST_F(AsciiWindow, TheBackgroundButtonSetsTheFillOfTheNextLoad) {
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    // White, then cancelled: the loaded picture is left alone, and the next load is filled white.
    dialogs.colours = {kWhite, std::nullopt};
    Click(IDC_CMDBACKCOLOR);
    Click(IDC_CMDBACKCOLOR);
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), kBlack);
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    EXPECT_EQ(std::make_pair(PixelAt(frm->Picture().Raster(), 0, 0), PixelAt(frm->Picture().Raster(), 3, 1)),
              std::make_pair(kWhite, kBlue));
    EXPECT_EQ(dialogs.colourCalls, 2);
}

TEST_F(AsciiWindow, APicturePathOnTheCommandLineIsLoadedAtOpening) {
    const std::u16string pic = dir.Path(u"cat 1.bmp"), prog = u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\"";
    std::filesystem::copy_file(Fixture(u"s.bmp"), pic);
    // How the line is split is the host tests' business; with no picture the hint stays.
    const struct { std::u16string commandLine, in, status, out; } cases[] = {
        {prog + u" \"" + pic + u"\"", pic, u"Dimensions: 5x3", pic + u"_ascii.htm"},
        {prog + u"  ", u"Any BMP, DIB, JPEG, GIF, ICO or CUR", u"Please choose a picture!", u"A HTML File"}};
    for (const auto& c : cases) {
        Open(c.commandLine);
        EXPECT_EQ(std::make_tuple(TextOf(IDC_TXTINFILE), Status(), TextOf(IDC_TXTOUTFILE), frm->Picture().Width() > 0),
                  std::make_tuple(c.in, c.status, c.out, c.in == pic)) << ToUtf8(c.commandLine);
    }
}

TEST_F(AsciiWindow, GenerateWritesThePageOfTheControls) {
    // Black, white, white over red, red, black on yellow, Center ticked and Bold not:
    // the characters run on across rows, a colour element where the colour changes;
    // emptied font boxes are filled in, and the characters box shows the font.
    dialogs.colours = {0x00FFFF};
    Click(IDC_CMDBACKCOLOR);
    CheckDlgButton(h, IDC_CHKBOLD, BST_UNCHECKED);
    Generate(u"p.bmp", dir.Path(u"p.htm"), quality::Excellent,
             {{IDC_TXTASCIICHAR, u"ab"}, {IDC_TXTTITLE, u"Cat & <dog>"}, {IDC_CMBFONT, u""}, {IDC_TXTSIZE, u""}});
    ExpectIdle();
    EXPECT_TRUE(fakePrompts.messages.empty());
    EXPECT_EQ(MaskedPage(dir.Path(u"p.htm")),
              Page("Cat & <dog>", "FFFF00", true, false,
                   "<FONT COLOR=FFFF00></FONT><FONT COLOR=000000>a</FONT><FONT COLOR=FFFFFF>ba<BR></FONT>"
                   "<FONT COLOR=FF0000>ba</FONT><FONT COLOR=000000>b<BR></FONT>\r\n"));
    EXPECT_EQ(TextOf(IDC_CMBFONT) + TextOf(IDC_TXTSIZE) + CharsFontFace(), u"Terminal1Terminal");
}

TEST_F(AsciiWindow, AnOutputFolderThatIsMissingGivesTheTaskErrorAndAnIdleWindow) {
    win::Win32Prompts realPrompts;
    Open(u"wrenfold.exe", &realPrompts);
    std::u16string shown;
    test::DialogAnswerer answerer([&](HWND box) {
        if (box == h) return;  // the window itself, active again afterwards
        // The window is idle again before the message shows.
        shown = test::WindowText(box) + u"|" + test::MessageBoxText(box) + u"|" + test::WindowText(h) +
                (IsWindowEnabled(Ctl(IDC_CMDEXIT)) ? u"" : u" (Exit disabled)");
        test::PressButton(box, IDOK);
    });
    Generate(u"s.bmp", dir.Path(u"no such folder\\page.htm"), quality::Good);
    EXPECT_EQ(shown, u"ASCII Picture Generator|An error has occured while performing the task.\r\nPath not found|"
                     u"ASCII Picture Generator");
    ExpectIdle();
}

TEST_F(AsciiWindow, ACancelledClosedOrExitedRunStopsSoonAndEndsItsPage) {
    // A page of busy.bmp in the window's settings: the body once its opening
    // and closing lines are found whole and the file closed.
    const std::string frame = Page("Created by Wrenfold ASCII picture generator", "000000", true, true, "");
    const size_t headSize = frame.find("<BR>\r\n") + 6;
    auto bodyOf = [&](const std::u16string& path) {
        EXPECT_TRUE(win::UniqueFile(CreateFileW(win::W(path), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)));
        const std::string page = MaskedPage(path);
        if (page.size() < frame.size()) {
            ADD_FAILURE() << "a page cut short: " << page;
            return std::string();
        }
        EXPECT_EQ(page.substr(0, headSize) + page.substr(page.size() - frame.size() + headSize), frame);
        return page.substr(headSize, page.size() - frame.size());
    };
    Generate(u"busy.bmp", dir.Path(u"full.htm"), quality::Excellent);
    const std::string full = bodyOf(dir.Path(u"full.htm"));
    ASSERT_GT(full.size(), 600u * 400u * 26u);
    // At the run's third letting events run: Esc does nothing during a run, so
    // Cancel at the fourth ends it; Close waits for the run to end its page;
    // the tray menu's Exit unloads every window at once.
    using Act = void (*)(AsciiWindow&, int);
    const struct { const char16_t* how; Act act; bool openAt4, closed; } cases[] = {
        {u"cancel", [](AsciiWindow& t, int n) {
             if (n == 3) SendMessageW(t.h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
             if (n == 4) PostMessageW(t.Ctl(IDC_CMDGENERATE), BM_CLICK, 0, 0);
         }, true, false},
        {u"close", [](AsciiWindow& t, int n) { if (n == 3) PostMessageW(t.h, WM_CLOSE, 0, 0); }, true, true},
        {u"exit", [](AsciiWindow& t, int n) { if (n == 3) t.forms.UnloadAll(); }, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.how));
        if (!forms.Find("frmASCII")) Open();  // closed by the case before
        std::u16string during;
        bool openAt4 = false;
        Generate(u"busy.bmp", dir.Path(c.how), quality::Excellent, {}, [&](int n) {
            if (n == 3) during = TextOf(IDC_CMDGENERATE) + u"|" + test::WindowText(h) + u"|" +
                                 (IsWindowEnabled(Ctl(IDC_CMDEXIT)) ? u"Exit enabled" : u"");
            c.act(*this, n);
            if (n == 4) openAt4 = forms.Find("frmASCII") != nullptr && IsWindow(h);
        });
        // During the run: Cancel, the progress in the caption, no Exit.
        EXPECT_EQ(during.substr(0, 7) + during.substr(std::min<size_t>(during.size(), 15)),
                  u"Cancel| - ASCII Picture Generator - Writing file...|") << ToUtf8(during);
        EXPECT_LT(during.find(u'%'), 15u) << ToUtf8(during);
        EXPECT_EQ(std::make_tuple(openAt4, forms.Find("frmASCII") == nullptr, IsWindow(h) == FALSE),
                  std::make_tuple(c.openAt4, c.closed, c.closed));
        if (!c.closed) ExpectIdle();
        EXPECT_LT(run.calls, 10);  // stopped soon, not at the end
        // The page is ended around a beginning of the body; which one is the host tests' business.
        const std::string cut = bodyOf(dir.Path(c.how));
        EXPECT_TRUE(cut.ends_with("\r\n") && full.starts_with(cut.substr(0, cut.size() - 2)) && cut.size() < full.size() / 4)
            << cut.size();
    }
    // Idle: Esc keeps the window and its settings (no cancel button), Exit closes it.
    for (int id : {IDCANCEL, IDC_CMDEXIT}) {
        if (!forms.Find("frmASCII")) Open();
        SendMessageW(h, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        EXPECT_EQ(forms.Find("frmASCII") == nullptr, id == IDC_CMDEXIT) << id;
    }
}

}  // namespace
}  // namespace wf
