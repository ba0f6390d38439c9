// The picture generator on Windows: decoding every format of the input filter, and
// frmASCII driven through its controls from loading a picture (made by
// AsciiFixtures.sh) to the page on disk, cancelled and failed runs included. What
// the page holds for given settings, the font list's order, the names proposed and
// the sizes shown are the host tests' business; here each control reaches its
// handler, and each handler the platform and the window, once.
#include <gtest/gtest.h>

#include <algorithm>

#include "asciipic/Win32PageServices.h"
#include "asciipic/frmASCII.h"
#include "asciipic/frmASCIIIds.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakePrompts.h"
#include "host/AsciiTestFakes.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32EventPump.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using namespace std::string_view_literals;
using Boxes = std::vector<std::pair<int, std::u16string>>;
using win::ProgramFolder;
constexpr Colour kRed = 0x0000FF, kLime = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0;
const std::u16string kInvalid = u"Please choose a picture. Current file is invalid.";
std::u16string Fixture(const char16_t* name) { return ProgramFolder() + u"\\ascii-fixtures\\" + name; }

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
        int width = 0, height = 0, bits = 0;
        Pixels pixels = {};
        Colour back = kBlack;
        int tolerance = 0;
    } cases[] = {
        {u"s.bmp", 5, 3, 24, small}, {u"s.gif", 5, 3, 32, small}, {u"s.png", 5, 3, 24, small},
        {u"s.ico", 16, 16, 32, icon}, {u"s.cur", 16, 16, 32, icon},
        // Lossy, so near: #C03020 and #2040A0 as colour numbers.
        {u"s.jpg", 16, 8, 24, {{2, 2, 0x2030C0}, {5, 6, 0x2030C0}, {13, 5, 0xA04020}}, kBlack, 6},
        // The left half is transparent and takes the background of the load.
        {u"tr.gif", 4, 2, 32, {{0, 0, kWhite}, {1, 1, kWhite}, {2, 0, kBlue}, {3, 1, kBlue}}, kWhite},
        // Blue at alpha 0x80 lies half over the background, rounded.
        {u"a.png", 3, 1, 32, {{0, 0, kRed}, {1, 0, kWhite}, {2, 0, 0xFF7F7F}}, kWhite},
        {u"a.png", 3, 1, 32, {{0, 0, kRed}, {1, 0, kBlack}, {2, 0, 0x800000}}},
        {u"x.bmp", 3, 2, 32, {{0, 0, kRed}, {2, 1, kRed}}, kWhite},
        {u"notes.jpg"}, {u"empty.bmp"}, {u"missing.gif"}, {u"nowhere\\a.gif"}, {u""}};
    win::DibPicture picture;
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.file) + (c.back == kWhite ? " on white" : " on black"));
        picture.Load(Fixture(u"s.bmp"), kBlack);
        const bool loaded = test::Thrown([&] { picture.Load(Fixture(c.file), c.back); }).number() == -1;
        DIBSECTION dib{};
        const int bits = GetObjectW(picture.Bitmap(), sizeof dib, &dib) == sizeof dib ? dib.dsBm.bmBitsPixel : 0;
        EXPECT_EQ(std::make_tuple(loaded, picture.Width(), picture.Height(), picture.Raster().Width(),
                                  picture.Raster().Height(), bits,
                                  picture.HimetricWidth() > 0 && picture.HimetricHeight() > 0),
                  std::make_tuple(c.width > 0, c.width, c.height, c.width, c.height, c.bits, c.width > 0));
        for (const auto& [x, y, want] : c.pixels) {
            const Colour got = PixelAt(picture.Raster(), x, y);
            EXPECT_LE(std::max({std::abs(RedOf(got) - RedOf(want)), std::abs(GreenOf(got) - GreenOf(want)),
                                std::abs(BlueOf(got) - BlueOf(want))}), c.tolerance)
                << "pixel " << x << "," << y << " is " << std::hex << got << ", expected " << want;
        }
    }
    // Only a file that opens is readable: not a missing one, a folder or no name.
    EXPECT_EQ(std::vector<bool>({win::FileReadable(Fixture(u"notes.jpg")), win::FileReadable(Fixture(u"missing.gif")),
                                 win::FileReadable(ProgramFolder()), win::FileReadable(u"")}),
              std::vector<bool>({true, false, false, false}));
}

// The real event pump and dates, with a script told the number of each call
// before it lets events run, and a clock that moves a time slice on every look,
// so a run lets events run at every look: a cancel lands at a known place.
struct ScriptedRun : EventPump, win::Win32ClockLocale {
    explicit ScriptedRun(win::Forms& forms) : pump(forms) {}
    void DoEvents() override {
        if (script) script(++calls);
        pump.DoEvents();
    }
    uint64_t Milliseconds() override { return now += 20; }
    win::Win32EventPump pump;
    uint64_t now = 0;
    int calls = 0;
    std::function<void(int)> script;
};

struct AsciiWindow : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
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
    void Open(std::u16string commandLine = u"C:\\Wrenfold\\wrenfold.exe") {
        forms.UnloadAll();
        frm = &forms.Open<frmASCII>("frmASCII", prompts, dialogs, run, files, run, std::move(commandLine));
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
    void Generate(const char16_t* pic, const std::u16string& out, int16_t quality, const Boxes& boxes = {},
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

TEST_F(AsciiWindow, TheFontBoxListsTheScreenFontsAndTheCharactersShowTheOneNamedElseTerminal) {
    const std::vector<std::u16string> names = test::ListItems(Ctl(IDC_CMBFONT));
    for (size_t i = 1; i < names.size(); ++i)
        EXPECT_EQ(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, win::W(names[i - 1]), -1, win::W(names[i]), -1),
                  CSTR_LESS_THAN) << ToUtf8(names[i]);
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
    prompts.answers = {answer::Ok};
    Click(IDC_CMDQUALITYHELP);  // the tips, word for word in the window's code
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title + u"|" + ToU16(std::to_string(prompts.messages[0].style)) + u"|" +
                  prompts.messages[0].text.substr(0, 27), u"Tips on choosing quality|64|Tips on choosing quality:\r\n");
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
        Click(c.button);  // offered the file chosen before, then cancelled: the box is emptied
        EXPECT_EQ(TextOf(c.box), u"");
        ASSERT_EQ(dialogs.fileCalls.size(), 2u);
        const auto& call = dialogs.fileCalls[0];  // the hint is no file name: the dialog starts with none
        EXPECT_EQ(std::tie(call.owner, call.openFlag, call.title, call.initialFile, call.filter, call.initialDir,
                           call.defaultExt),
                  std::make_tuple(uintptr_t(h), c.openFlag, c.title, std::u16string(), c.filter, ProgramFolder(),
                                  c.ext));
        EXPECT_EQ(dialogs.fileCalls[1].initialFile, c.chosen);
    }
    // The input emptied empties the raster; the output proposed for it stays.
    EXPECT_EQ(Status() + u"|" + TextOf(IDC_TXTOUTFILE), u"Dimensions: 0x0|" + bmp + u"_ascii.htm");
}

TEST_F(AsciiWindow, TypingAPathLoadsOnEveryKeystrokeShowsThePreviewAndProposesTheOutput) {
    const std::u16string gif = Fixture(u"s.gif"), typed = gif + u"x";
    SendMessageW(Ctl(IDC_TXTINFILE), EM_SETSEL, 0, -1);
    for (size_t i = 0; i < typed.size(); ++i) {
        SendMessageW(Ctl(IDC_TXTINFILE), WM_CHAR, typed[i], 1);
        const bool whole = i + 1 == gif.size();
        // The output is proposed once the input loads, and then kept.
        ASSERT_EQ(Status() + (IsWindowVisible(Ctl(IDC_IMGPIC)) ? u"|preview|" : u"|") + TextOf(IDC_TXTOUTFILE),
                  (whole ? u"Dimensions: 5x3|preview|" : kInvalid + u"|") +
                      (i + 1 < gif.size() ? u"A HTML File" : gif + u"_ascii.htm")) << i;
        if (!whole) continue;
        // A small picture's preview is as many twips as HIMETRIC: 9 x 5 pixels at 96 dpi.
        const win::WindowDC dc(h);
        const int dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX), dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY);
        const RECT small{0, 0, MulDiv(MulDiv(5, 2540, dpiX), dpiX, 1440), MulDiv(MulDiv(3, 2540, dpiY), dpiY, 1440)};
        RECT rc{};
        GetClientRect(Ctl(IDC_IMGPIC), &rc);
        EXPECT_TRUE(EqualRect(&rc, &small)) << rc.right << "x" << rc.bottom;
    }
}

TEST_F(AsciiWindow, APicturePathOnTheCommandLineIsLoadedAtOpeningAndNoneLeavesTheHints) {
    EXPECT_EQ(TextOf(IDC_TXTINFILE) + u"|" + Status() + u"|" + TextOf(IDC_TXTOUTFILE),
              u"Any BMP, DIB, JPEG, GIF, ICO or CUR|Please choose a picture!|A HTML File");
    const std::u16string pic = dir.Path(u"cat 1.bmp");
    std::filesystem::copy_file(Fixture(u"s.bmp"), pic);
    Open(u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\" \"" + pic + u"\"");  // how it is split: the host tests
    EXPECT_EQ(TextOf(IDC_TXTINFILE) + u"|" + Status() + u"|" + TextOf(IDC_TXTOUTFILE),
              pic + u"|Dimensions: 5x3|" + pic + u"_ascii.htm");
}

TEST_F(AsciiWindow, GenerateWritesThePageOfTheControlsAndAFailureShowsTheTaskError) {
    // The background chosen fills the next load and the page; the loaded picture keeps its fill.
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    dialogs.colours = {0x00FFFF};
    Click(IDC_CMDBACKCOLOR);
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), kBlack);
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), 0x00FFFFu);
    // Black, white, white over red, red, black on yellow, Center ticked and Bold not:
    // the characters run on across rows, a colour element where the colour changes;
    // emptied font boxes are filled in, and the characters box shows the font.
    CheckDlgButton(h, IDC_CHKBOLD, BST_UNCHECKED);
    Generate(u"p.bmp", dir.Path(u"p.htm"), quality::Excellent,
             {{IDC_TXTASCIICHAR, u"ab"}, {IDC_TXTTITLE, u"Cat & <dog>"}, {IDC_CMBFONT, u""}, {IDC_TXTSIZE, u""}});
    ExpectIdle();
    EXPECT_TRUE(prompts.messages.empty());
    // Dated by the clock in the user's formats; the rest of the frame is the host tests' business.
    const std::string page = test::FileBytes(dir.Path(u"p.htm")), dated = "Wrenfold ASCII Picture Generator on ";
    EXPECT_GT(page.find(" --->\r\n"), page.find(dated) + dated.size() + 8) << page;
    EXPECT_NE(page.find("<TITLE>Cat & <dog></TITLE></HEAD>\r\n<BODY BGCOLOR=FFFF00>\r\n<CENTER>\r\n"
                        "<FONT FACE=\"Terminal\" SIZE=\"1\">\r\n<BR>\r\n<FONT COLOR=FFFF00></FONT>"
                        "<FONT COLOR=000000>a</FONT><FONT COLOR=FFFFFF>ba<BR></FONT><FONT COLOR=FF0000>ba</FONT>"
                        "<FONT COLOR=000000>b<BR></FONT>\r\n<BR>\r\n</CENTER>\r\n</BODY>\r\n"), std::string::npos);
    EXPECT_EQ(TextOf(IDC_CMBFONT) + TextOf(IDC_TXTSIZE) + CharsFontFace(), u"Terminal1Terminal");
    // A missing output folder: the file system's own words.
    prompts.answers = {answer::Ok};
    Generate(u"s.bmp", dir.Path(u"no such folder\\page.htm"), quality::Good);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, u"An error has occured while performing the task.\r\nPath not found");
    ExpectIdle();
}

TEST_F(AsciiWindow, ACancelledClosedOrExitedRunStopsSoonAndEndsItsPage) {
    Generate(u"busy.bmp", dir.Path(u"full.htm"), quality::Excellent);
    // Seventeen lines, the body the tenth.
    const std::vector<std::string> full = test::Lines(test::FileBytes(dir.Path(u"full.htm")));
    ASSERT_TRUE(full.size() == 17u && full[9].size() > 600u * 400u * 26u) << full.size();
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
            if (n == 3) during = TextOf(IDC_CMDGENERATE) + (IsWindowEnabled(Ctl(IDC_CMDEXIT)) ? u"|Exit|" : u"|") +
                                 test::WindowText(h);
            c.act(*this, n);
            if (n == 4) openAt4 = forms.Find("frmASCII") != nullptr && IsWindow(h);
        });
        // During the run: Cancel, no Exit, and the progress in the caption.
        EXPECT_EQ(during.substr(0, 7) + during.substr(std::min<size_t>(during.size(), 15)),
                  u"Cancel| - ASCII Picture Generator - Writing file...") << ToUtf8(during);
        EXPECT_LT(during.find(u'%'), 15u) << ToUtf8(during);
        EXPECT_EQ(std::make_tuple(openAt4, forms.Find("frmASCII") == nullptr, IsWindow(h) == FALSE),
                  std::make_tuple(c.openAt4, c.closed, c.closed));
        if (!c.closed) ExpectIdle();
        EXPECT_LT(run.calls, 10);  // stopped soon, not at the end
        // The page is closed and ended after a beginning of the body; which one is the host tests' business.
        EXPECT_TRUE(win::UniqueFile(CreateFileW(win::W(dir.Path(c.how)), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                                                nullptr)));
        const std::vector<std::string> cut = test::Lines(test::FileBytes(dir.Path(c.how)));
        ASSERT_EQ(cut.size(), 17u);
        EXPECT_TRUE(cut[16] == full[16] && full[9].starts_with(cut[9]) && cut[9].size() < full[9].size() / 4);
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
