// The picture generator on Windows: decoding every format of the input
// filter into the raster, and frmASCII driven through its controls, from
// loading a picture to the page on disk, cancelled and failed runs included.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "asciipic/GeneratorSettings.h"
#include "asciipic/PictureWriter.h"
#include "asciipic/Win32PageServices.h"
#include "asciipic/frmASCII.h"
#include "asciipic/frmASCIIIds.h"
#include "common/Errors.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/DibPicture.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32Prompts.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using namespace std::string_view_literals;
using win::U;
using win::W;

constexpr Colour kRed = 0x0000FF, kLime = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0;

std::u16string ExeFolder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string p = U(path);
    return p.substr(0, p.find_last_of(u'\\'));
}

std::u16string Fixture(std::u16string_view name) { return ExeFolder() + u"\\ascii-fixtures\\" + std::u16string(name); }

std::string ReadBytes(const std::u16string& path) {
    win::UniqueFile f(CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!f) return "<missing>";
    std::string bytes;
    char buf[65536];
    DWORD n = 0;
    while (ReadFile(f.get(), buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
    return bytes;
}

void WriteBytes(const std::u16string& path, std::string_view bytes) {
    win::UniqueFile f(CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(f);
    DWORD n = 0;
    ASSERT_TRUE(WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr));
}

// A 24-bit bottom-up bitmap file of colour numbers given row by row from the
// top.
void WriteBmp(const std::u16string& path, int32_t width, int32_t height, const std::function<Colour(int, int)>& at) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t size = 54 + stride * static_cast<uint32_t>(height);
    std::string b(size, '\0');
    auto put32 = [&](size_t off, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[off + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < height; ++y) {
        const size_t row = 54 + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const Colour c = at(x, y);
            b[row + x * 3 + 0] = static_cast<char>(BlueOf(c));
            b[row + x * 3 + 1] = static_cast<char>(GreenOf(c));
            b[row + x * 3 + 2] = static_cast<char>(RedOf(c));
        }
    }
    WriteBytes(path, b);
}

// A folder of its own under the temporary folder, emptied afterwards.
class TempFolder {
public:
    TempFolder() {
        wchar_t tmp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, tmp);
        static int serial = 0;
        path_ = U(tmp) + u"wf-ascii-" + ToU16(std::to_string(GetCurrentProcessId())) + u"-" +
                ToU16(std::to_string(++serial));
        CreateDirectoryW(W(path_), nullptr);
    }
    ~TempFolder() { Remove(path_); }
    std::u16string operator/(std::u16string_view name) const { return path_ + u"\\" + std::u16string(name); }
    const std::u16string& path() const { return path_; }

private:
    static void Remove(const std::u16string& dir) {
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(W(dir + u"\\*"), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::u16string name = U(fd.cFileName);
                if (name == u"." || name == u"..") continue;
                const std::u16string full = dir + u"\\" + name;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(full);
                else
                    DeleteFileW(W(full));
            } while (FindNextFileW(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryW(W(dir));
    }
    std::u16string path_;
};

bool Near(Colour a, Colour b, int tolerance) {
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

// ---------------------------------------------------------------------------
// Decoding

struct Decoded {
    const char16_t* file;
    int32_t width, height;
    struct Px {
        int x, y;
        Colour colour;
    };
    std::vector<Px> pixels;
    int tolerance;
};

TEST(AsciiPicture, DecodesEveryFormatOfTheFilterAndPng) {
    const std::vector<Decoded> cases = {
        {u"s.bmp", 5, 3, {{0, 0, kRed}, {4, 2, kLime}, {2, 1, kBlue}, {4, 0, kBlue}}, 0},
        {u"s.dib", 5, 3, {{0, 0, kRed}, {4, 2, kLime}, {2, 1, kBlue}}, 0},
        {u"s.gif", 5, 3, {{0, 0, kRed}, {4, 2, kLime}, {2, 1, kBlue}}, 0},
        {u"s.png", 5, 3, {{0, 0, kRed}, {4, 2, kLime}, {2, 1, kBlue}}, 0},
        {u"s.ico", 16, 16, {{0, 0, kRed}, {15, 15, kLime}, {7, 7, kBlue}, {15, 0, kBlue}}, 0},
        {u"s.cur", 16, 16, {{0, 0, kRed}, {15, 15, kLime}, {7, 7, kBlue}}, 0},
        // Lossy, so near: #C03020 and #2040A0 as colour numbers.
        {u"s.jpg", 16, 8, {{2, 2, 0x2030C0}, {5, 6, 0x2030C0}, {13, 5, 0xA04020}}, 6},
    };
    for (const Decoded& c : cases) {
        SCOPED_TRACE(ToUtf8(c.file));
        win::DibPicture picture;
        ASSERT_NO_THROW(picture.Load(Fixture(c.file), kBlack));
        EXPECT_EQ(picture.Width(), c.width);
        EXPECT_EQ(picture.Height(), c.height);
        EXPECT_EQ(picture.Raster().Width(), c.width);
        EXPECT_EQ(picture.Raster().Height(), c.height);
        EXPECT_NE(picture.Bitmap(), nullptr);
        EXPECT_GT(picture.HimetricWidth(), 0);
        EXPECT_GT(picture.HimetricHeight(), 0);
        for (const auto& px : c.pixels) {
            const Colour got = PixelAt(picture.Raster(), px.x, px.y);
            EXPECT_TRUE(Near(got, px.colour, c.tolerance))
                << "pixel " << px.x << "," << px.y << " is " << std::hex << got << ", expected " << px.colour;
        }
    }
}

TEST(AsciiPicture, ReportsTheSizeInHimetricAtTheScreenResolution) {
    HDC dc = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    win::DibPicture picture;
    picture.Load(Fixture(u"s.bmp"), kBlack);
    // 5 x 3 pixels are 132 x 79 hundredths of a millimetre at 96 dpi.
    EXPECT_NEAR(picture.HimetricWidth(), 5 * 2540.0 / dpiX, 1.0);
    EXPECT_NEAR(picture.HimetricHeight(), 3 * 2540.0 / dpiY, 1.0);
}

TEST(AsciiPicture, TransparentPartsTakeTheBackgroundOfTheLoad) {
    for (Colour back : {kWhite, kBlack, Colour{0xFF00FF}}) {
        SCOPED_TRACE(back);
        win::DibPicture picture;
        picture.Load(Fixture(u"tr.gif"), back);
        ASSERT_EQ(picture.Width(), 4);
        ASSERT_EQ(picture.Height(), 2);
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(PixelAt(picture.Raster(), 0, y), back);
            EXPECT_EQ(PixelAt(picture.Raster(), 1, y), back);
            EXPECT_EQ(PixelAt(picture.Raster(), 2, y), kBlue);
            EXPECT_EQ(PixelAt(picture.Raster(), 3, y), kBlue);
        }
    }
}

TEST(AsciiPicture, AFileThatIsNoPictureFailsAndLeavesItEmpty) {
    TempFolder dir;
    WriteBytes(dir / u"notes.jpg", "these are not the pixels you are looking for");
    WriteBytes(dir / u"empty.bmp", "");
    win::DibPicture picture;
    for (const std::u16string& bad : {dir / u"notes.jpg", dir / u"empty.bmp", dir / u"missing.gif", dir.path()}) {
        SCOPED_TRACE(ToUtf8(bad));
        picture.Load(Fixture(u"s.bmp"), kBlack);
        ASSERT_EQ(picture.Width(), 5);
        EXPECT_THROW(picture.Load(bad, kBlack), CommandError);
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Height(), 0);
        EXPECT_EQ(picture.Raster().Width(), 0);
        EXPECT_EQ(picture.HimetricWidth(), 0);
        EXPECT_EQ(picture.Bitmap(), nullptr);
    }
    // No name is no picture, and no error.
    picture.Load(Fixture(u"s.bmp"), kBlack);
    EXPECT_NO_THROW(picture.Load(u"", kBlack));
    EXPECT_EQ(picture.Width(), 0);
}

TEST(AsciiPicture, FileExistsOnlyForAFileThatOpens) {
    TempFolder dir;
    WriteBytes(dir / u"a.txt", "x");
    EXPECT_TRUE(FileExists(dir / u"a.txt"));
    EXPECT_FALSE(FileExists(dir / u"b.txt"));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(u""));
    EXPECT_FALSE(FileExists(dir / u"nowhere\\a.txt"));
}

// ---------------------------------------------------------------------------
// The window

// The real event pump with a script: the action for the n-th call runs
// before that call lets events run.
class ScriptedPump : public EventPump {
public:
    explicit ScriptedPump(EventPump& real) : real_(real) {}
    int calls = 0;
    std::map<int, std::function<void()>> at;
    void DoEvents() override {
        ++calls;
        if (auto it = at.find(calls); it != at.end()) {
            auto action = std::move(it->second);
            at.erase(it);
            action();
        }
        real_.DoEvents();
    }

private:
    EventPump& real_;
};

// Real dates, but a clock that moves a time slice on every look, so a run
// lets events run at every look at the clock: a cancel lands at a known
// place whatever the machine's speed.
class SteppingClock : public ClockLocale {
public:
    uint64_t Milliseconds() override { return now_ += 20; }
    std::u16string NowText() override { return real_.NowText(); }
    std::u16string DecimalSeparator() override { return real_.DecimalSeparator(); }

private:
    uint64_t now_ = 0;
    win::Win32ClockLocale real_;
};

constexpr std::string_view kFirstDatePrefix = "<!--- ASCII Picture created by Wrenfold ASCII Picture Generator on ";
constexpr std::string_view kLastDatePrefix = "<!--- ASCII Picture created by Wrenfold on ";
constexpr std::string_view kDateSuffix = " --->\r\n";

// The date and time of lines 1 and 16 replaced by "<date>", once each.
std::string MaskDates(std::string page) {
    for (std::string_view prefix : {kFirstDatePrefix, kLastDatePrefix}) {
        const size_t start = page.find(prefix);
        if (start == std::string::npos) continue;
        const size_t from = start + prefix.size();
        const size_t to = page.find(kDateSuffix, from);
        if (to == std::string::npos || to == from) continue;
        page.replace(from, to - from, "<date>");
    }
    return page;
}

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string s;
    for (std::string_view l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

std::string Head(std::string_view title, std::string_view bg, bool center, bool bold, std::string_view font,
                 std::string_view size) {
    std::string s = Lines({std::string(kFirstDatePrefix) + "<date> --->", ToUtf8(kDownloadNoticeLine), "<HTML>",
                           "<HEAD><TITLE>" + std::string(title) + "</TITLE></HEAD>",
                           "<BODY BGCOLOR=" + std::string(bg) + ">"});
    if (center) s += "<CENTER>\r\n";
    if (bold) s += "<B>\r\n";
    s += "<FONT FACE=\"" + std::string(font) + "\" SIZE=\"" + std::string(size) + "\">\r\n<BR>\r\n";
    return s;
}

std::string Tail(bool center, bool bold) {
    std::string s = "<BR>\r\n";
    if (center) s += "</CENTER>\r\n";
    if (bold) s += "</B>\r\n";
    s += Lines({"</BODY>", "</HTML>", std::string(kLastDatePrefix) + "<date> --->", ToUtf8(kFeedbackNoticeLine)});
    return s;
}

struct AsciiWindow : ::testing::Test {
    win::Forms forms;
    test::FakePrompts fakePrompts;
    win::Win32Prompts realPrompts;
    test::FakeCommonDialogs dialogs;
    win::Win32EventPump realPump{forms};
    ScriptedPump pump{realPump};
    win::Win32OutputFiles files;
    SteppingClock clock;
    TempFolder dir;
    frmASCII* frm = nullptr;
    HWND h = nullptr;

    void Open(std::u16string commandLine = u"C:\\Wrenfold\\wrenfold.exe", Prompts* prompts = nullptr) {
        frm = &forms.Open<frmASCII>("frmASCII", prompts ? *prompts : fakePrompts, dialogs, pump, files, clock,
                                    std::move(commandLine));
        h = frm->hwnd();
        ASSERT_NE(h, nullptr);
    }
    void TearDown() override {
        if (forms.Find("frmASCII")) forms.UnloadAll();
        test::PumpMessages();
    }

    HWND Ctl(int id) const { return GetDlgItem(h, id); }
    std::u16string TextOf(int id) const { return test::WindowText(Ctl(id)); }
    std::u16string Status() const { return TextOf(IDC_LBLDESCRIPTION_BASE + 5); }
    void Type(int id, std::u16string_view text) {
        const std::u16string s(text);
        SendMessageW(Ctl(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(W(s)));
    }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void SetQuality(int16_t index) { SendMessageW(Ctl(IDC_CMBQUALITY), CB_SETCURSEL, index, 0); }
    std::u16string CharsFontFace() const {
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Ctl(IDC_TXTASCIICHAR), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        return U(lf.lfFaceName);
    }
    void ExpectIdle() const {
        EXPECT_EQ(test::WindowText(h), kAsciiWindowCaption);
        EXPECT_EQ(TextOf(IDC_CMDGENERATE), kGenerateCaption);
        EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_CMDEXIT)));
        EXPECT_FALSE(frm->Running());
    }
};

TEST_F(AsciiWindow, OpensWithItsControlsSetAsDesigned) {
    Open();
    EXPECT_EQ(test::WindowText(h), u"ASCII Picture Generator");
    EXPECT_EQ(TextOf(IDC_CMDGENERATE), u"&Generate HTML");
    EXPECT_EQ(TextOf(IDC_FRAOUTPUT), u"Output settings");
    EXPECT_EQ(TextOf(IDC_TXTSIZE), u"1");
    EXPECT_EQ(SendMessageW(Ctl(IDC_TXTSIZE), EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_EQ(TextOf(IDC_CMBFONT), u"Terminal");
    EXPECT_EQ(TextOf(IDC_CMDBACKCOLOR), u"");
    EXPECT_EQ(TextOf(IDC_CHKBOLD), u"Bold");
    EXPECT_EQ(IsDlgButtonChecked(h, IDC_CHKBOLD), BST_CHECKED);
    EXPECT_EQ(TextOf(IDC_CHKCENTER), u"Center");
    EXPECT_EQ(IsDlgButtonChecked(h, IDC_CHKCENTER), BST_CHECKED);
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), u"A HTML File");
    EXPECT_EQ(TextOf(IDC_TXTTITLE), u"Created by Wrenfold ASCII picture generator");
    EXPECT_EQ(TextOf(IDC_CMDCHOOSEOUTPUT), u"Choose...");
    EXPECT_EQ(TextOf(IDC_FRAINPUT), u"Input settings");
    EXPECT_EQ(TextOf(IDC_CMDQUALITYHELP), u"?");
    EXPECT_EQ(TextOf(IDC_TXTASCIICHAR), u"o");
    EXPECT_EQ(TextOf(IDC_TXTINFILE), u"Any BMP, DIB, JPEG, GIF, ICO or CUR");
    EXPECT_EQ(TextOf(IDC_CMDCHOOSEINPUT), u"Choose file...");
    EXPECT_EQ(TextOf(IDC_CMDEXIT), u"E&xit");
    EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_CMDEXIT)));
    EXPECT_FALSE(IsWindowVisible(Ctl(IDC_IMGPIC)));

    const std::vector<std::u16string> qualities = {u"Excellent", u"Good", u"Bad", u"Worst!"};
    ASSERT_EQ(SendMessageW(Ctl(IDC_CMBQUALITY), CB_GETCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) {
        wchar_t item[32] = L"";
        SendMessageW(Ctl(IDC_CMBQUALITY), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(U(item), qualities[i]);
    }
    EXPECT_EQ(SendMessageW(Ctl(IDC_CMBQUALITY), CB_GETCURSEL, 0, 0), 1);

    const std::map<int, std::u16string> labels = {
        {8, u"HTML font size (1-6):"}, {7, u"Font:"},      {6, u"Background colour:"},
        {0, u"Output file name:"},     {1, u"Output file title:"}, {5, u"Please choose a picture!"},
        {4, u"ASCII Text:"},           {2, u"File name:"}, {3, u"Quality:"}};
    for (const auto& [index, caption] : labels) EXPECT_EQ(TextOf(IDC_LBLDESCRIPTION_BASE + index), caption) << index;
    // Nothing is loaded at start without a command line.
    EXPECT_EQ(frm->Picture().Width(), 0);
}

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

TEST_F(AsciiWindow, ListsEveryScreenFontOnce) {
    Open();
    HWND list = Ctl(IDC_CMBFONT);
    const int n = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    ASSERT_GT(n, 3);
    std::vector<std::u16string> names;
    for (int i = 0; i < n; ++i) {
        std::u16string s(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)) + 1, u'\0');
        s.resize(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(s.data()))));
        names.push_back(s);
    }
    // Every family the system names is there, once, and no vertical variant.
    for (const wchar_t* family : {L"Tahoma", L"Courier New", L"MS Sans Serif", L"Marlett"}) {
        LOGFONTW lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpyW(lf.lfFaceName, family);
        bool installed = false;
        HDC dc = GetDC(nullptr);
        EnumFontFamiliesExW(dc, &lf, NoteFontFound, reinterpret_cast<LPARAM>(&installed), 0);
        ReleaseDC(nullptr, dc);
        if (!installed) continue;
        EXPECT_EQ(std::count(names.begin(), names.end(), U(family)), 1) << ToUtf8(U(family));
    }
    for (const auto& name : names) EXPECT_NE(name.front(), u'@') << ToUtf8(name);
    for (size_t i = 1; i < names.size(); ++i)
        EXPECT_NE(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, W(names[i - 1]), -1, W(names[i]), -1),
                  CSTR_EQUAL);
    // Filling the list leaves the box's text alone.
    EXPECT_EQ(TextOf(IDC_CMBFONT), u"Terminal");
}

TEST_F(AsciiWindow, TheCharactersBoxFollowsTheFontNameOrFallsBackToTerminal) {
    Open();
    HWND edit = FindWindowExW(Ctl(IDC_CMBFONT), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    // Typed key by key: every name on the way that is no font gives Terminal.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    const std::u16string tahoma = u"Tahoma";
    for (size_t i = 0; i < tahoma.size(); ++i) {
        SendMessageW(edit, WM_CHAR, tahoma[i], 1);
        ASSERT_EQ(TextOf(IDC_CMBFONT), tahoma.substr(0, i + 1));
        EXPECT_EQ(CharsFontFace(), i + 1 < tahoma.size() ? u"Terminal" : u"Tahoma") << i;
    }
    SendMessageW(edit, WM_CHAR, u'x', 1);
    EXPECT_EQ(CharsFontFace(), u"Terminal");
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(CharsFontFace(), u"Tahoma");
    // Any case finds the font.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (char16_t c : u"tahoma"sv) SendMessageW(edit, WM_CHAR, c, 1);
    EXPECT_EQ(CharsFontFace(), u"Tahoma");
    // The text size stays the window's.
    LOGFONTW chars{}, dialog{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Ctl(IDC_TXTASCIICHAR), WM_GETFONT, 0, 0)), sizeof chars, &chars);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof dialog, &dialog);
    EXPECT_EQ(chars.lfHeight, dialog.lfHeight);

    // Picking from the list.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, u'q', 1);
    ASSERT_EQ(CharsFontFace(), u"Terminal");
    HWND list = Ctl(IDC_CMBFONT);
    const LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Tahoma"));
    ASSERT_NE(index, CB_ERR);
    SendMessageW(list, CB_SETCURSEL, index, 0);
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDC_CMBFONT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(CharsFontFace(), u"Tahoma");
    EXPECT_EQ(TextOf(IDC_CMBFONT), u"Tahoma");
}

TEST_F(AsciiWindow, QualityTipsWordForWord) {
    Open();
    fakePrompts.answers = {answer::Ok};
    Click(IDC_CMDQUALITYHELP);
    ASSERT_EQ(fakePrompts.messages.size(), 1u);
    EXPECT_EQ(fakePrompts.messages[0].title, u"Tips on choosing quality");
    EXPECT_EQ(fakePrompts.messages[0].style, 64);
    EXPECT_EQ(fakePrompts.messages[0].text,
              u"Tips on choosing quality:\r\n\r\n"
              u"If your image is less than 160x160, then you should choose 'Excellent' quality.\r\n"
              u"If your image is medium size, ie. 640x480 or below, choose 'Good'\r\n"
              u"Otherwise, choose 'Bad'.\r\n\r\n"
              u"If you choose the wrong quality for your image size, the output will not be as you expected it, ie "
              u"the lines will wrap and it won't look good...\r\n\r\n\r\n"
              u"TIP: YOU SHOULD USE THE 'GOOD' QUALITY FOR MOST IMAGES, IT WILL USUALLY WORK (unless the image is "
              u"very big or very small)");
}

TEST_F(AsciiWindow, ChoosingTheInputEmptiesTheHintLoadsAndProposesTheOutput) {
    Open();
    const std::u16string bmp = Fixture(u"s.bmp");
    dialogs.files = {bmp, u""};
    Click(IDC_CMDCHOOSEINPUT);
    ASSERT_EQ(dialogs.fileCalls.size(), 1u);
    const auto& call = dialogs.fileCalls[0];
    EXPECT_EQ(call.owner, reinterpret_cast<uintptr_t>(h));
    EXPECT_EQ(call.openFlag, 1);
    EXPECT_EQ(call.title, u"Choose input picture...");
    EXPECT_EQ(call.initialFile, u"");  // the hint is no file name
    EXPECT_EQ(call.filter, u"Any picture file\0*.bmp;*.dib;*.jpeg;*.jpg;*.jpe;*.gif;*.ico;*.cur\0"sv);
    EXPECT_EQ(call.initialDir, ExeFolder());
    EXPECT_EQ(call.defaultExt, u"jpg");
    EXPECT_EQ(TextOf(IDC_TXTINFILE), bmp);
    EXPECT_EQ(Status(), u"Dimensions: 5x3");
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), bmp + u"_ascii.htm");
    EXPECT_TRUE(IsWindowVisible(Ctl(IDC_IMGPIC)));
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 4, 2), kLime);

    // Cancelled: the box is emptied, the raster with it; the output stays.
    Click(IDC_CMDCHOOSEINPUT);
    ASSERT_EQ(dialogs.fileCalls.size(), 2u);
    EXPECT_EQ(dialogs.fileCalls[1].initialFile, bmp);
    EXPECT_EQ(TextOf(IDC_TXTINFILE), u"");
    EXPECT_EQ(Status(), u"Dimensions: 0x0");
    EXPECT_EQ(frm->Picture().Width(), 0);
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), bmp + u"_ascii.htm");
}

TEST_F(AsciiWindow, ChoosingTheOutputEmptiesTheHint) {
    Open();
    dialogs.files = {u"C:\\pages\\cat.htm", u""};
    Click(IDC_CMDCHOOSEOUTPUT);
    ASSERT_EQ(dialogs.fileCalls.size(), 1u);
    const auto& call = dialogs.fileCalls[0];
    EXPECT_EQ(call.owner, reinterpret_cast<uintptr_t>(h));
    EXPECT_EQ(call.openFlag, 0);
    EXPECT_EQ(call.title, u"Where to save ASCII Picture?");
    EXPECT_EQ(call.initialFile, u"");
    EXPECT_EQ(call.filter, u"HTM files\0*.htm\0HTML Files\0*.html\0"sv);
    EXPECT_EQ(call.initialDir, ExeFolder());
    EXPECT_EQ(call.defaultExt, u"htm");
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), u"C:\\pages\\cat.htm");
    Click(IDC_CMDCHOOSEOUTPUT);
    EXPECT_EQ(dialogs.fileCalls[1].initialFile, u"C:\\pages\\cat.htm");
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), u"");
}

TEST_F(AsciiWindow, TypingAPathLoadsOnEveryKeystroke) {
    Open();
    const std::u16string gif = Fixture(u"s.gif");
    SetFocus(Ctl(IDC_TXTINFILE));
    SendMessageW(Ctl(IDC_TXTINFILE), EM_SETSEL, 0, -1);
    for (size_t i = 0; i < gif.size(); ++i) {
        SendMessageW(Ctl(IDC_TXTINFILE), WM_CHAR, gif[i], 1);
        ASSERT_EQ(TextOf(IDC_TXTINFILE), gif.substr(0, i + 1));
        if (i + 1 < gif.size()) {
            ASSERT_EQ(Status(), u"Please choose a picture. Current file is invalid.") << i;
            ASSERT_FALSE(IsWindowVisible(Ctl(IDC_IMGPIC)));
            ASSERT_EQ(TextOf(IDC_TXTOUTFILE), u"A HTML File");
        }
    }
    EXPECT_EQ(Status(), u"Dimensions: 5x3");
    EXPECT_TRUE(IsWindowVisible(Ctl(IDC_IMGPIC)));
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), gif + u"_ascii.htm");

    // One more key makes it invalid again: the raster is emptied, the
    // proposed output stays.
    SendMessageW(Ctl(IDC_TXTINFILE), WM_CHAR, u'x', 1);
    EXPECT_EQ(Status(), u"Please choose a picture. Current file is invalid.");
    EXPECT_FALSE(IsWindowVisible(Ctl(IDC_IMGPIC)));
    EXPECT_EQ(frm->Picture().Width(), 0);
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), gif + u"_ascii.htm");
}

TEST_F(AsciiWindow, ThePreviewBoxIsThePicturesSizeWhenSmallerElseFixed) {
    Open();
    HDC dc = GetDC(h);
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(h, dc);
    auto previewSize = [&] {
        RECT rc{};
        GetClientRect(Ctl(IDC_IMGPIC), &rc);
        return std::make_pair(static_cast<int>(rc.right - rc.left), static_cast<int>(rc.bottom - rc.top));
    };

    Type(IDC_TXTINFILE, Fixture(u"s.bmp"));
    ASSERT_EQ(Status(), u"Dimensions: 5x3");
    // Twips equal to the HIMETRIC size: 132 x 79 twips, 9 x 5 pixels at 96 dpi.
    const int hmW = frm->Picture().HimetricWidth(), hmH = frm->Picture().HimetricHeight();
    EXPECT_EQ(previewSize(), std::make_pair(MulDiv(hmW, dpiX, 1440), MulDiv(hmH, dpiY, 1440)));
    if (dpiX == 96 && dpiY == 96) {
        EXPECT_EQ(previewSize(), std::make_pair(9, 5));
    }

    const std::u16string big = dir / u"big.bmp";
    WriteBmp(big, 300, 200, [](int x, int) { return Colour(x); });
    Type(IDC_TXTINFILE, big);
    ASSERT_EQ(Status(), u"Dimensions: 300x200");
    EXPECT_EQ(previewSize(), std::make_pair(MulDiv(1770, dpiX, 1440), MulDiv(1365, dpiY, 1440)));

    // Wide and low: fixed width, the picture's height.
    const std::u16string wide = dir / u"wide.bmp";
    WriteBmp(wide, 400, 20, [](int, int) { return kRed; });
    Type(IDC_TXTINFILE, wide);
    EXPECT_EQ(previewSize(),
              std::make_pair(MulDiv(1770, dpiX, 1440), MulDiv(frm->Picture().HimetricHeight(), dpiY, 1440)));
}

TEST_F(AsciiWindow, TheBackgroundButtonSetsTheFillOfTheNextLoad) {
    Open();
    dialogs.colours = {kWhite, std::nullopt, kBlack};
    Click(IDC_CMDBACKCOLOR);
    EXPECT_EQ(dialogs.colourCalls, 1);
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    ASSERT_EQ(Status(), u"Dimensions: 4x2");
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), kWhite);
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 3, 1), kBlue);
    // Cancelled: nothing changes.
    Click(IDC_CMDBACKCOLOR);
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), kWhite);
    // A new colour leaves the loaded picture as it is until it loads again.
    Click(IDC_CMDBACKCOLOR);
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), kWhite);
    Type(IDC_TXTINFILE, Fixture(u"tr.gif"));
    EXPECT_EQ(PixelAt(frm->Picture().Raster(), 0, 0), kBlack);
    EXPECT_EQ(dialogs.colourCalls, 3);
}

TEST_F(AsciiWindow, APicturePathOnTheCommandLineIsLoadedAtOpening) {
    // The path has blanks; with quotes and without.
    CreateDirectoryW(W(dir / u"my pics"), nullptr);
    const std::u16string pic = dir / u"my pics\\cat 1.bmp";
    ASSERT_TRUE(CopyFileW(W(Fixture(u"s.bmp")), W(pic), FALSE));
    for (const std::u16string& commandLine :
         {u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\" \"" + pic + u"\"",
          u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\" " + pic, u"wrenfold.exe " + pic + u"  ",
          u"wrenfold.exe \"" + pic + u"\""}) {
        SCOPED_TRACE(ToUtf8(commandLine));
        Open(commandLine);
        EXPECT_EQ(TextOf(IDC_TXTINFILE), pic);
        EXPECT_EQ(Status(), u"Dimensions: 5x3");
        EXPECT_EQ(frm->Picture().Width(), 5);
        EXPECT_EQ(TextOf(IDC_TXTOUTFILE), pic + u"_ascii.htm");
        forms.UnloadAll();
    }
    // Nothing after the program: the hint stays, nothing is loaded.
    for (const std::u16string& commandLine : {std::u16string(u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\"  "), std::u16string(u"wrenfold.exe")}) {
        Open(commandLine);
        EXPECT_EQ(TextOf(IDC_TXTINFILE), kInputHint);
        EXPECT_EQ(Status(), u"Please choose a picture!");
        forms.UnloadAll();
    }
    // A file that is no picture: the path is there, the status says so.
    Open(u"wrenfold.exe " + dir / u"nothing.gif");
    EXPECT_EQ(TextOf(IDC_TXTINFILE), dir / u"nothing.gif");
    EXPECT_EQ(Status(), u"Please choose a picture. Current file is invalid.");
    EXPECT_EQ(TextOf(IDC_TXTOUTFILE), u"A HTML File");
}

TEST_F(AsciiWindow, GenerateWritesTheSeventeenLines) {
    Open();
    // Black, white, white over red, red, black.
    const std::u16string pic = dir / u"p.bmp";
    WriteBmp(pic, 3, 2, [](int x, int y) {
        static const Colour px[2][3] = {{kBlack, kWhite, kWhite}, {kRed, kRed, kBlack}};
        return px[y][x];
    });
    const std::u16string out = dir / u"p.htm";
    Type(IDC_TXTINFILE, pic);
    ASSERT_EQ(Status(), u"Dimensions: 3x2");
    Type(IDC_TXTOUTFILE, out);
    Type(IDC_TXTASCIICHAR, u"ab");
    Type(IDC_TXTTITLE, u"T");
    SetQuality(quality::Excellent);
    Click(IDC_CMDGENERATE);
    ExpectIdle();
    EXPECT_TRUE(fakePrompts.messages.empty());

    const std::string body =
        "<FONT COLOR=000000>a</FONT><FONT COLOR=FFFFFF>ba<BR></FONT><FONT COLOR=FF0000>ba</FONT><FONT "
        "COLOR=000000>b<BR></FONT>\r\n";
    const std::string page = ReadBytes(out);
    EXPECT_EQ(MaskDates(page), Head("T", "000000", true, true, "Terminal", "1") + body + Tail(true, true));
    // The dates are the user's short date and time.
    EXPECT_NE(page.find(kFirstDatePrefix), std::string::npos);
    EXPECT_EQ(page.find(std::string(kFirstDatePrefix) + "<date>"), std::string::npos);
}

TEST_F(AsciiWindow, GenerateFillsEmptyFontBoxesAndUsesTheBackgroundAndBoxes) {
    Open();
    dialogs.colours = {Colour{0x00FFFF}};  // yellow
    Click(IDC_CMDBACKCOLOR);
    const std::u16string pic = dir / u"q.bmp";
    WriteBmp(pic, 2, 1, [](int x, int) { return x == 0 ? kBlack : kWhite; });
    const std::u16string out = dir / u"q.htm";
    Type(IDC_TXTINFILE, pic);
    Type(IDC_TXTOUTFILE, out);
    Type(IDC_TXTTITLE, u"Cat & <dog>");
    Type(IDC_CMBFONT, u"");
    Type(IDC_TXTSIZE, u"");
    CheckDlgButton(h, IDC_CHKBOLD, BST_UNCHECKED);
    CheckDlgButton(h, IDC_CHKCENTER, BST_UNCHECKED);
    SetQuality(quality::Good);
    Click(IDC_CMDGENERATE);
    ExpectIdle();
    // The boxes keep what was filled in, and the characters box shows it.
    EXPECT_EQ(TextOf(IDC_CMBFONT), u"Terminal");
    EXPECT_EQ(TextOf(IDC_TXTSIZE), u"1");
    EXPECT_EQ(CharsFontFace(), u"Terminal");

    const std::string body =
        "<FONT COLOR=FFFF00></FONT><FONT COLOR=000000>o</FONT><FONT COLOR=FFFFFF>o<BR></FONT>\r\n";
    EXPECT_EQ(MaskDates(ReadBytes(out)),
              Head("Cat & <dog>", "FFFF00", false, false, "Terminal", "1") + body + Tail(false, false));
}

TEST_F(AsciiWindow, AnOutputFolderThatIsMissingGivesTheTaskErrorAndAnIdleWindow) {
    Open(u"wrenfold.exe", &realPrompts);
    Type(IDC_TXTINFILE, Fixture(u"s.bmp"));
    Type(IDC_TXTOUTFILE, dir / u"no such folder\\page.htm");
    std::u16string text, title, captionDuringBox;
    bool exitEnabledDuringBox = false;
    test::DialogAnswerer answerer([&](HWND box) {
        if (box == h) return;  // the window itself, active again afterwards
        text = test::MessageBoxText(box);
        title = test::WindowText(box);
        // The window is idle again before the message shows.
        captionDuringBox = test::WindowText(h);
        exitEnabledDuringBox = IsWindowEnabled(Ctl(IDC_CMDEXIT));
        test::PressButton(box, IDOK);
    });
    Click(IDC_CMDGENERATE);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text, u"An error has occured while performing the task.\r\nPath not found");
    EXPECT_EQ(title, u"ASCII Picture Generator");
    EXPECT_EQ(captionDuringBox, u"ASCII Picture Generator");
    EXPECT_TRUE(exitEnabledDuringBox);
    ExpectIdle();
    EXPECT_EQ(GetFileAttributesW(W(dir / u"no such folder\\page.htm")), INVALID_FILE_ATTRIBUTES);

    // The window still works: the next run writes its page.
    Type(IDC_TXTOUTFILE, dir / u"page.htm");
    text.clear();
    Click(IDC_CMDGENERATE);
    EXPECT_EQ(text, u"");
    EXPECT_NE(ReadBytes(dir / u"page.htm").find("</HTML>"), std::string::npos);
}

// A picture whose every sample differs from the one before, so the body
// grows by a colour element a sample and fills many 5000-character pieces.
void WriteBusyPicture(const std::u16string& path) {
    WriteBmp(path, 600, 400, [](int x, int y) {
        return MakeColour(static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x * 7 + y * 3));
    });
}

struct RunParts {
    std::string head, body, tail;
};

// Splits a page at the end of line 9 and before line 11.
RunParts Split(const std::string& page, bool center, bool bold) {
    const std::string tail = Tail(center, bold);
    const std::string masked = MaskDates(page);
    const size_t headEnd = masked.find("<BR>\r\n") + 6;
    RunParts parts;
    parts.head = masked.substr(0, headEnd);
    if (masked.size() < headEnd + tail.size()) return parts;
    parts.body = masked.substr(headEnd, masked.size() - headEnd - tail.size());
    parts.tail = masked.substr(masked.size() - tail.size());
    return parts;
}

TEST_F(AsciiWindow, CancelStopsTheRunAndLeavesAClosedPage) {
    Open();
    const std::u16string pic = dir / u"busy.bmp";
    WriteBusyPicture(pic);
    Type(IDC_TXTINFILE, pic);
    ASSERT_EQ(Status(), u"Dimensions: 600x400");
    SetQuality(quality::Excellent);

    // The whole page first, to know what the cancelled one is a part of.
    Type(IDC_TXTOUTFILE, dir / u"full.htm");
    Click(IDC_CMDGENERATE);
    ExpectIdle();
    const RunParts full = Split(ReadBytes(dir / u"full.htm"), true, true);
    ASSERT_GT(full.body.size(), 600u * 400u * 26u);

    // Cancel pressed while the run lets events run for the fourth time.
    const std::u16string out = dir / u"cancelled.htm";
    Type(IDC_TXTOUTFILE, out);
    std::u16string generateCaption, caption;
    bool exitEnabled = true;
    pump.calls = 0;
    pump.at[4] = [&] {
        generateCaption = TextOf(IDC_CMDGENERATE);
        caption = test::WindowText(h);
        exitEnabled = IsWindowEnabled(Ctl(IDC_CMDEXIT));
        PostMessageW(Ctl(IDC_CMDGENERATE), BM_CLICK, 0, 0);
    };
    Click(IDC_CMDGENERATE);
    EXPECT_TRUE(pump.at.empty());
    EXPECT_EQ(generateCaption, u"Cancel");
    EXPECT_FALSE(exitEnabled);
    EXPECT_NE(caption.find(u"% "), std::u16string::npos) << ToUtf8(caption);
    EXPECT_EQ(caption.substr(8), u" - ASCII Picture Generator - Writing file...") << ToUtf8(caption);
    ExpectIdle();
    // The run stopped soon after the click, not at the end.
    EXPECT_LT(pump.calls, 10);

    const std::string page = ReadBytes(out);
    const RunParts cut = Split(page, true, true);
    EXPECT_EQ(cut.head, full.head);
    EXPECT_EQ(cut.tail, Tail(true, true));
    // Only whole pieces of the body, each just over 5000 characters, then the
    // line end: a strict beginning of the whole body, cut inside it.
    ASSERT_GE(cut.body.size(), 5003u);
    EXPECT_LT(cut.body.size(), full.body.size() / 4);
    EXPECT_EQ(cut.body.substr(cut.body.size() - 2), "\r\n");
    const std::string written = cut.body.substr(0, cut.body.size() - 2);
    EXPECT_EQ(full.body.compare(0, written.size(), written), 0);
    EXPECT_EQ(written.find("\r\n"), std::string::npos);
    EXPECT_NE(written.substr(written.size() - 7), "</FONT>");
    // The file is closed: it opens for writing with no sharing.
    win::UniqueFile f(CreateFileW(W(out), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(f);
}

TEST_F(AsciiWindow, ClosingTheWindowDuringARunFinishesThePageThenCloses) {
    Open();
    const std::u16string pic = dir / u"busy.bmp";
    WriteBusyPicture(pic);
    Type(IDC_TXTINFILE, pic);
    SetQuality(quality::Excellent);
    const std::u16string out = dir / u"closed.htm";
    Type(IDC_TXTOUTFILE, out);
    bool stillOpenAfterClose = false;
    pump.calls = 0;
    pump.at[3] = [&] { PostMessageW(h, WM_CLOSE, 0, 0); };
    pump.at[4] = [&] { stillOpenAfterClose = forms.Find("frmASCII") != nullptr && IsWindow(h); };
    Click(IDC_CMDGENERATE);
    test::PumpMessages();
    EXPECT_TRUE(stillOpenAfterClose);
    EXPECT_EQ(forms.Find("frmASCII"), nullptr);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_LT(pump.calls, 10);
    const std::string page = ReadBytes(out);
    const RunParts cut = Split(page, true, true);
    EXPECT_EQ(cut.tail, Tail(true, true));
    EXPECT_GE(cut.body.size(), 2u);
    win::UniqueFile f(CreateFileW(W(out), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(f);
}

TEST_F(AsciiWindow, UnloadingEveryWindowDuringARunStillFinishesThePage) {
    Open();
    const std::u16string pic = dir / u"busy.bmp";
    WriteBusyPicture(pic);
    Type(IDC_TXTINFILE, pic);
    SetQuality(quality::Excellent);
    const std::u16string out = dir / u"exit.htm";
    Type(IDC_TXTOUTFILE, out);
    pump.calls = 0;
    // As the tray menu's Exit does, from inside the run's event pumping.
    pump.at[3] = [&] { forms.UnloadAll(); };
    Click(IDC_CMDGENERATE);
    EXPECT_EQ(forms.Find("frmASCII"), nullptr);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_LT(pump.calls, 10);
    const RunParts cut = Split(ReadBytes(out), true, true);
    EXPECT_EQ(cut.tail, Tail(true, true));
    win::UniqueFile f(CreateFileW(W(out), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(f);
}

TEST_F(AsciiWindow, ExitAndEscCloseAnIdleWindow) {
    Open();
    Click(IDC_CMDEXIT);
    EXPECT_EQ(forms.Find("frmASCII"), nullptr);
    Open();
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(forms.Find("frmASCII"), nullptr);
}

TEST_F(AsciiWindow, EscDoesNotCloseTheWindowDuringARun) {
    Open();
    const std::u16string pic = dir / u"busy.bmp";
    WriteBusyPicture(pic);
    Type(IDC_TXTINFILE, pic);
    SetQuality(quality::Excellent);
    Type(IDC_TXTOUTFILE, dir / u"esc.htm");
    bool openAfterEsc = false;
    pump.calls = 0;
    pump.at[3] = [&] { SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); };
    pump.at[4] = [&] {
        openAfterEsc = forms.Find("frmASCII") != nullptr && frm->Running();
        PostMessageW(Ctl(IDC_CMDGENERATE), BM_CLICK, 0, 0);
    };
    Click(IDC_CMDGENERATE);
    EXPECT_TRUE(openAfterEsc);
    ASSERT_NE(forms.Find("frmASCII"), nullptr);
    ExpectIdle();
}

}  // namespace
}  // namespace wf
