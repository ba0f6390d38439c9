#include "asciipic/frmASCII.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "asciipic/GeneratorSettings.h"
#include "common/Errors.h"
#include "frmASCIIIds.h"
#include "platform/win32/ColourSwatch.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"
#include "shell/HandOver.h"

namespace wf {

using namespace std::string_view_literals;

namespace {

constexpr int kStatusLabel = IDC_LBLDESCRIPTION_BASE + 5;

constexpr std::u16string_view kQualityNames[] = {u"Excellent", u"Good", u"Bad", u"Worst!"};

constexpr std::u16string_view kQualityTipsTitle = u"Tips on choosing quality";
constexpr std::u16string_view kQualityTips =
    u"Tips on choosing quality:\r\n"
    u"\r\n"
    u"If your image is less than 160x160, then you should choose 'Excellent' quality.\r\n"
    u"If your image is medium size, ie. 640x480 or below, choose 'Good'\r\n"
    u"Otherwise, choose 'Bad'.\r\n"
    u"\r\n"
    u"If you choose the wrong quality for your image size, the output will not be as you expected it, ie the "
    u"lines will wrap and it won't look good...\r\n"
    u"\r\n"
    u"\r\n"
    u"TIP: YOU SHOULD USE THE 'GOOD' QUALITY FOR MOST IMAGES, IT WILL USUALLY WORK (unless the image is very big "
    u"or very small)";

constexpr std::u16string_view kInputTitle = u"Choose input picture...";
constexpr std::u16string_view kInputFilter = u"Any picture file\0*.bmp;*.dib;*.jpeg;*.jpg;*.jpe;*.gif;*.ico;*.cur\0"sv;
constexpr std::u16string_view kOutputTitle = u"Where to save ASCII Picture?";
constexpr std::u16string_view kOutputFilter = u"HTM files\0*.htm\0HTML Files\0*.html\0"sv;

void SetControlText(HWND h, std::u16string_view text) {
    const std::u16string s(text);
    SetWindowTextW(h, win::W(s));
}

// The user's order ignoring case; names the system cannot compare are neither
// below nor equal to each other.
int CompareIgnoringCase(const std::u16string& a, const std::u16string& b) {
    const int order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, win::W(a), -1, win::W(b), -1);
    return order == CSTR_LESS_THAN ? -1 : order == CSTR_EQUAL ? 0 : 1;
}

int CALLBACK CollectFaceName(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM names) {
    reinterpret_cast<std::vector<std::u16string>*>(names)->push_back(win::U(lf->lfFaceName));
    return 1;
}

int CALLBACK TakeFirstFont(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<LOGFONTW*>(found) = *lf;
    return 0;
}

// The installed font of that name, as the font list knows it.
bool FindFont(std::u16string_view name, LOGFONTW& found) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    if (name.empty() || name.size() >= LF_FACESIZE) return false;
    std::copy(name.begin(), name.end(), query.lfFaceName);
    found = LOGFONTW{};
    EnumFontFamiliesExW(win::WindowDC(nullptr).get(), &query, TakeFirstFont, reinterpret_cast<LPARAM>(&found), 0);
    return found.lfFaceName[0] != L'\0';
}

}  // namespace

// The settings and signs of a run, read from and shown in the window's
// controls. Once the window is gone, reads give what the controls held when
// it closed and the signs go nowhere, so a run that the closing cancelled can
// still finish its file.
class FrmAsciiView : public GeneratorView {
public:
    explicit FrmAsciiView(win::ColourSwatch& swatch) : swatch_(swatch) {}

    void Attach(HWND dlg) { dlg_ = dlg; }
    void Detach() {
        if (!dlg_) return;
        closed_ = Settings{OutputPath(), PageTitle(), Center(), Bold(), FontName(), FontSize(), QualityIndex(),
                           AsciiChars()};
        dlg_ = nullptr;
    }
    bool Alive() const { return dlg_ != nullptr; }

    // Runs after the program itself sets the font name, as typing would.
    std::function<void()> fontNameSet;

    std::u16string OutputPath() override { return dlg_ ? Text(IDC_TXTOUTFILE) : closed_.outputPath; }
    std::u16string PageTitle() override { return dlg_ ? Text(IDC_TXTTITLE) : closed_.title; }
    Colour BackColour() override { return swatch_.BackColor(); }
    bool Center() override { return dlg_ ? IsDlgButtonChecked(dlg_, IDC_CHKCENTER) == BST_CHECKED : closed_.center; }
    bool Bold() override { return dlg_ ? IsDlgButtonChecked(dlg_, IDC_CHKBOLD) == BST_CHECKED : closed_.bold; }
    std::u16string FontName() override { return dlg_ ? Text(IDC_CMBFONT) : closed_.fontName; }
    void SetFontName(std::u16string_view name) override {
        if (!dlg_) {
            closed_.fontName = name;
            return;
        }
        SetControlText(GetDlgItem(dlg_, IDC_CMBFONT), name);
        if (fontNameSet) fontNameSet();
    }
    std::u16string FontSize() override { return dlg_ ? Text(IDC_TXTSIZE) : closed_.fontSize; }
    void SetFontSize(std::u16string_view size) override {
        if (dlg_)
            SetControlText(GetDlgItem(dlg_, IDC_TXTSIZE), size);
        else
            closed_.fontSize = size;
    }
    int16_t QualityIndex() override {
        return dlg_ ? static_cast<int16_t>(SendDlgItemMessageW(dlg_, IDC_CMBQUALITY, CB_GETCURSEL, 0, 0))
                    : closed_.quality;
    }
    std::u16string AsciiChars() override { return dlg_ ? Text(IDC_TXTASCIICHAR) : closed_.chars; }
    void SetCaption(std::u16string_view caption) override {
        if (dlg_) SetControlText(dlg_, caption);
    }
    void SetGenerateCaption(std::u16string_view caption) override {
        if (dlg_) SetControlText(GetDlgItem(dlg_, IDC_CMDGENERATE), caption);
    }
    void EnableExit(bool enabled) override {
        if (dlg_) EnableWindow(GetDlgItem(dlg_, IDC_CMDEXIT), enabled);
    }

private:
    struct Settings {
        std::u16string outputPath, title;
        bool center = false, bold = false;
        std::u16string fontName, fontSize;
        int16_t quality = 0;
        std::u16string chars;
    };

    std::u16string Text(int id) const { return win::WindowText(GetDlgItem(dlg_, id)); }

    win::ColourSwatch& swatch_;
    HWND dlg_ = nullptr;
    Settings closed_;
};

struct frmASCII::Core {
    Core(Prompts& prompts, EventPump& pump, OutputFiles& files, ClockLocale& clock)
        : view(swatch), writer(view, picture.Raster(), files, clock, pump, prompts) {}

    win::ColourSwatch swatch;  // cmdBackColor's face: the page background
    win::DibPicture picture;   // the loaded picture, sampled by runs and drawn as the preview
    FrmAsciiView view;
    AsciiPictureWriter writer;
    // Counts LoadPic calls, so that a load which let a newer one run inside
    // its event pumping leaves the work to it.
    unsigned loads = 0;
};

frmASCII::frmASCII(win::Forms& forms, Prompts& prompts, CommonDialogs& dialogs, EventPump& pump, OutputFiles& files,
                   ClockLocale& clock, std::u16string commandLine)
    : DialogForm(forms, IDD_FRMASCII),
      prompts_(prompts),
      dialogs_(dialogs),
      pump_(pump),
      commandLine_(std::move(commandLine)),
      core_(std::make_shared<Core>(prompts, pump, files, clock)) {}

frmASCII::~frmASCII() {
    // Destroyed with its window still up (program end): a run that holds the
    // core must not reach for controls that are about to go.
    core_->view.Detach();
    core_->writer.RequestCancel();
}

const win::DibPicture& frmASCII::Picture() const { return core_->picture; }

bool frmASCII::Running() const { return core_->writer.Running(); }

void frmASCII::Form_Load() {
    core_->view.Attach(hwnd());
    core_->view.fontNameSet = [this] { cmbFont_Change(); };
    core_->swatch.Attach(Item(IDC_CMDBACKCOLOR), 0);
    SendDlgItemMessageW(hwnd(), IDC_TXTSIZE, EM_LIMITTEXT, 1, 0);
    CheckDlgButton(hwnd(), IDC_CHKBOLD, BST_CHECKED);
    CheckDlgButton(hwnd(), IDC_CHKCENTER, BST_CHECKED);

    FillFontList();
    SetText(IDC_CMBFONT, kDefaultFontName);
    cmbFont_Change();

    for (std::u16string_view name : kQualityNames) {
        const std::u16string s(name);
        SendDlgItemMessageW(hwnd(), IDC_CMBQUALITY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(s)));
    }
    SendDlgItemMessageW(hwnd(), IDC_CMBQUALITY, CB_SETCURSEL, quality::Good, 0);

    const std::u16string path = InputPathFromCommandLine(CommandLineArguments(commandLine_));
    if (!path.empty()) {
        // The change loads the picture (txtInFile_Change).
        const std::shared_ptr<Core> core = core_;
        SetText(IDC_TXTINFILE, path);
        if (!core->view.Alive()) return;
        OutputGuess();
    }
}

void frmASCII::Form_Unload() {
    core_->view.Detach();
    // Unloaded from inside a run's own event pumping (the tray menu's Exit):
    // the run stops after its sample and finishes the file on its own.
    core_->writer.RequestCancel();
}

void frmASCII::FillFontList() {
    std::vector<std::u16string> names;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(win::WindowDC(nullptr).get(), &query, CollectFaceName, reinterpret_cast<LPARAM>(&names), 0);
    names = FontListNames(std::move(names), CompareIgnoringCase);

    HWND list = Item(IDC_CMBFONT);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, CB_INITSTORAGE, names.size(), names.size() * 32 * sizeof(wchar_t));
    for (const auto& name : names) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(name)));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

void frmASCII::ApplyCharsFont(std::u16string_view faceName) {
    LOGFONTW lf{};
    if (!FindFont(faceName, lf) && !FindFont(kDefaultFontName, lf)) {
        // No Terminal on this system either: ask for it by name and let the
        // font mapper choose its nearest.
        lf = LOGFONTW{};
        std::copy(kDefaultFontName.begin(), kDefaultFontName.end(), lf.lfFaceName);
        lf.lfCharSet = DEFAULT_CHARSET;
    }
    // The box keeps the window's text size; only the face changes.
    LOGFONTW base{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    if (dialogFont && GetObjectW(dialogFont, sizeof base, &base)) {
        lf.lfHeight = base.lfHeight;
    } else {
        lf.lfHeight = -11;
    }
    lf.lfWidth = 0;
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = FALSE;
    lf.lfEscapement = lf.lfOrientation = 0;
    win::UniqueGdi font(CreateFontIndirectW(&lf));
    if (!font) return;
    SendDlgItemMessageW(hwnd(), IDC_TXTASCIICHAR, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    charsFont_ = std::move(font);  // the face shown before is deleted only now
}

void frmASCII::cmbFont_Change() { ApplyCharsFont(Text(IDC_CMBFONT)); }

void frmASCII::cmdGenerate_Click() {
    const std::shared_ptr<Core> core = core_;
    core->writer.cmdGenerate_Click();
    // Unloaded while the run let events run: nothing of the window is left.
    if (!core->view.Alive()) return;
    if (closePending_ && !core->writer.Running()) {
        closePending_ = false;
        Unload();
    }
}

void frmASCII::cmdBackColor_Click() {
    dialogs_.ShowColorDialog(reinterpret_cast<uintptr_t>(hwnd()), core_->swatch);
}

void frmASCII::cmdChooseInput_Click() {
    const std::shared_ptr<Core> core = core_;
    if (Text(IDC_TXTINFILE) == kInputHint) {
        SetText(IDC_TXTINFILE, u"");
        if (!core->view.Alive()) return;
    }
    const std::u16string chosen = dialogs_.ShowOpenSaveDialog(reinterpret_cast<uintptr_t>(hwnd()), 1, kInputTitle,
                                                              Text(IDC_TXTINFILE), kInputFilter, win::ProgramFolder(), u"jpg");
    if (!core->view.Alive()) return;
    SetText(IDC_TXTINFILE, chosen);
}

void frmASCII::cmdChooseOutput_Click() {
    if (Text(IDC_TXTOUTFILE) == kOutputHint) SetText(IDC_TXTOUTFILE, u"");
    const std::shared_ptr<Core> core = core_;
    const std::u16string chosen = dialogs_.ShowOpenSaveDialog(reinterpret_cast<uintptr_t>(hwnd()), 0, kOutputTitle,
                                                              Text(IDC_TXTOUTFILE), kOutputFilter, win::ProgramFolder(),
                                                              u"htm");
    if (!core->view.Alive()) return;
    SetText(IDC_TXTOUTFILE, chosen);
}

void frmASCII::cmdQualityHelp_Click() {
    prompts_.MsgBox(kQualityTips, kQualityTipsTitle, mb::Information + mb::OkOnly);
}

void frmASCII::txtInFile_Change() { LoadPic(); }

void frmASCII::cmdExit_Click() {
    // Exit is disabled during a run; should a click arrive anyway, it closes
    // as the title bar's Close does then.
    if (core_->writer.Running()) {
        closePending_ = true;
        core_->writer.RequestCancel();
        return;
    }
    Unload();
}

void frmASCII::LoadPic() {
    const std::shared_ptr<Core> core = core_;
    const unsigned load = ++core->loads;
    pump_.DoEvents();
    if (!core->view.Alive()) return;
    // A later change of the box loaded the newer text while events ran.
    if (load != core->loads) return;

    try {
        // The hourglass covers the decoding, which is what takes the time.
        win::BusyCursor busy;
        core->picture.Load(Text(IDC_TXTINFILE), core->swatch.BackColor());
        ShowPreview();
        SetText(kStatusLabel, DimensionsText(core->picture.Width(), core->picture.Height()));
        OutputGuess();
    } catch (const CommandError&) {
        ShowWindow(Item(IDC_IMGPIC), SW_HIDE);
        SetText(kStatusLabel, kInvalidPictureText);
    } catch (const std::exception&) {
        // Out of memory for a huge picture, say: the same for the user.
        core->picture.Clear();
        ShowWindow(Item(IDC_IMGPIC), SW_HIDE);
        SetText(kStatusLabel, kInvalidPictureText);
    }
}

void frmASCII::ShowPreview() {
    const PreviewBox box = PreviewBoxTwips(core_->picture.HimetricWidth(), core_->picture.HimetricHeight());
    HWND img = Item(IDC_IMGPIC);
    const win::WindowDC dc(hwnd());
    const int dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX), dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY);
    SetWindowPos(img, nullptr, 0, 0, TwipsToPixels(box.widthTwips, dpiX > 0 ? dpiX : 96),
                 TwipsToPixels(box.heightTwips, dpiY > 0 ? dpiY : 96), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(img, nullptr, TRUE);
    ShowWindow(img, SW_SHOW);
}

void frmASCII::DrawPreview(const DRAWITEMSTRUCT& item) {
    const win::DibPicture& picture = core_->picture;
    const RECT& rc = item.rcItem;
    if (!picture.Bitmap() || picture.Width() <= 0 || picture.Height() <= 0) {
        FillRect(item.hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const win::UniqueDC mem(CreateCompatibleDC(item.hDC));
    const win::Selected bitmap(mem.get(), picture.Bitmap());
    SetStretchBltMode(item.hDC, HALFTONE);
    SetBrushOrgEx(item.hDC, 0, 0, nullptr);
    StretchBlt(item.hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, mem.get(), 0, 0, picture.Width(),
               picture.Height(), SRCCOPY);
}

void frmASCII::ShowInputPicture(const std::u16string& path) {
    const std::shared_ptr<Core> core = core_;
    SetText(IDC_TXTINFILE, path);
    if (!core->view.Alive()) return;
    OutputGuess();
    Show();
}

void GeneratorForHandOver(win::Forms& forms, const std::u16string& commandLine,
                          const std::function<void(const std::u16string&)>& open) {
    auto* generator = static_cast<frmASCII*>(forms.Find("frmASCII"));
    const HandOverAction action = ActionForHandOver(commandLine, generator != nullptr);
    if (action.kind == HandOverAction::OpenGenerator) open(commandLine);
    if (action.kind == HandOverAction::FillGenerator) generator->ShowInputPicture(action.picture);
}

void frmASCII::OutputGuess() {
    const std::u16string current = Text(IDC_TXTOUTFILE);
    const std::u16string guess = wf::OutputGuess(Text(IDC_TXTINFILE), current, win::FileReadable);
    if (guess != current) SetText(IDC_TXTOUTFILE, guess);
}


bool frmASCII::OnCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_TXTINFILE:
        if (notifyCode == EN_CHANGE) txtInFile_Change();
        return true;
    case IDC_CMBFONT:
        if (notifyCode == CBN_EDITCHANGE) {
            cmbFont_Change();
        } else if (notifyCode == CBN_SELCHANGE) {
            // Picking a name puts it into the box only after this
            // notification; put it there now, so the change sees it.
            HWND list = Item(IDC_CMBFONT);
            const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
            if (index == CB_ERR) return true;
            std::u16string name(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, index, 0)) + 1, u'\0');
            name.resize(static_cast<size_t>(
                SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()))));
            SetText(IDC_CMBFONT, name);
            cmbFont_Change();
        }
        return true;
    default: break;
    }
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_CMDGENERATE: cmdGenerate_Click(); break;
    case IDC_CMDBACKCOLOR: cmdBackColor_Click(); break;
    case IDC_CMDCHOOSEINPUT: cmdChooseInput_Click(); break;
    case IDC_CMDCHOOSEOUTPUT: cmdChooseOutput_Click(); break;
    case IDC_CMDQUALITYHELP: cmdQualityHelp_Click(); break;
    case IDC_CMDEXIT: cmdExit_Click(); break;
    default: break;  // Esc: the window has no cancel button
    }
    return true;
}

bool frmASCII::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_IMGPIC) return false;
    DrawPreview(item);
    return true;
}

bool frmASCII::OnClose() {
    if (!core_->writer.Running()) return true;
    // The run ends as a Cancel ends it and finishes its file; the window
    // closes once it has (cmdGenerate_Click).
    closePending_ = true;
    core_->writer.RequestCancel();
    return false;
}

}  // namespace wf
