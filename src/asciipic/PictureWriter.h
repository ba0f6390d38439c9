#pragma once
// The Generate command of the picture generator: the page frame around the
// body, the run loop over the sampling grid and the way a run is cancelled
// or fails. Everything the run needs from its window, the file system, the
// clock and the locale arrives through interfaces, so a whole page can be
// produced without a window.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "asciipic/BodyEncoder.h"
#include "asciipic/PageOutput.h"
#include "common/PictureRaster.h"
#include "asciipic/Sampling.h"
#include "common/Colour.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"

namespace wf {

inline constexpr std::u16string_view kAsciiCommandName = u"ASCII Picture Generator";
inline constexpr std::u16string_view kAsciiWindowCaption = u"ASCII Picture Generator";
inline constexpr std::u16string_view kAsciiWritingCaption = u"ASCII Picture Generator - Writing file...";
inline constexpr std::u16string_view kGenerateCaption = u"&Generate HTML";
inline constexpr std::u16string_view kCancelCaption = u"Cancel";
inline constexpr std::u16string_view kTaskErrorText = u"An error has occured while performing the task.";
inline constexpr std::u16string_view kDefaultFontName = u"Terminal";
inline constexpr std::u16string_view kDefaultFontSize = u"1";

// A body piece is written once the buffer holds more than this many characters.
inline constexpr size_t kPieceChars = 5000;
// Window events run from inside the loop at most this often, not per sample.
inline constexpr uint64_t kTimeSliceMs = 15;

// What the run reads from and shows in frmASCII. Reads that fail may throw
// CommandError; they end the run through the task error message.
class GeneratorView {
public:
    virtual ~GeneratorView() = default;
    virtual std::u16string OutputPath() = 0;     // txtOutFile
    virtual std::u16string PageTitle() = 0;      // txtTitle
    virtual Colour BackColour() = 0;             // face colour of cmdBackColor
    virtual bool Center() = 0;                   // chkCenter
    virtual bool Bold() = 0;                     // chkBold
    virtual std::u16string FontName() = 0;       // cmbFont text
    virtual void SetFontName(std::u16string_view name) = 0;
    virtual std::u16string FontSize() = 0;       // txtSize
    virtual void SetFontSize(std::u16string_view size) = 0;
    virtual int16_t QualityIndex() = 0;          // cmbQuality
    virtual std::u16string AsciiChars() = 0;     // txtASCIIChar
    virtual void SetCaption(std::u16string_view caption) = 0;         // the window's
    virtual void SetGenerateCaption(std::u16string_view caption) = 0; // cmdGenerate's
    virtual void EnableExit(bool enabled) = 0;                        // cmdExit
};

// The clock and the user's regional formats.
class ClockLocale {
public:
    virtual ~ClockLocale() = default;
    // A steadily rising count of milliseconds (GetTickCount64).
    virtual uint64_t Milliseconds() = 0;
    // The current local date and time in the short-date and time formats.
    virtual std::u16string NowText() = 0;
    // The decimal separator of the user's number format.
    virtual std::u16string DecimalSeparator() = 0;
};

// FONT FACE="name" SIZE="size" between angle brackets (line 8).
std::u16string FontLine(std::u16string_view fontName, std::u16string_view fontSize);

// y / height * 100 rounded to two decimals, halves to even, trailing zeros
// dropped, with the user's decimal separator: "0", "12.5", "3.12".
std::u16string ProgressFigure(int32_t y, int32_t height, std::u16string_view decimalSeparator);
// The window caption after a row: the figure and "%" padded with blanks to 8
// characters, then " - ASCII Picture Generator - Writing file...".
std::u16string ProgressCaption(int32_t y, int32_t height, std::u16string_view decimalSeparator);

// The comment lines 2 and 17.
extern const std::u16string_view kDownloadNoticeLine;
extern const std::u16string_view kFeedbackNoticeLine;

class AsciiPictureWriter {
public:
    enum class BodyOutcome { Finished, Cancelled, Aborted };

    // The raster object must outlive the writer; reloading the picture into it
    // during a run is allowed (each row is read afresh, its width too).
    AsciiPictureWriter(GeneratorView& view, const PictureRaster& raster, OutputFiles& files,
                       ClockLocale& clock, EventPump& pump, Prompts& prompts);

    // Starts a run, or asks the running one to stop. Re-entered from inside the
    // run's event pumping when the user presses Cancel.
    void cmdGenerate_Click();

    // True from the start of a run until it has unwound, including the short
    // time between a Cancel click and the loop noticing it. While true a click
    // only cancels, so no second run can open the same file inside the first.
    bool Running() const { return running_; }
    // Asks the run to stop after its current sample without touching the
    // window: for closing the window while a run goes on (unload once
    // Running() turns false).
    void RequestCancel() { cancel_ = true; }

    // Line 10 of the page. Errors inside go to the error report ("ASCII Picture
    // Generator") with Abort, Retry and Ignore; Abort and Cancel return early.
    BodyOutcome WriteASCIIPicture(TextSink& file);

private:
    void Generate();
    void ReturnToIdle();
    void WriteLine(TextSink& file, std::u16string_view line);
    bool CharacterFailed();
    bool WriteBuffer(TextSink& file, bool lastPiece);

    GeneratorView& view_;
    const PictureRaster& raster_;
    OutputFiles& files_;
    ClockLocale& clock_;
    EventPump& pump_;
    Prompts& prompts_;

    bool running_ = false;
    bool cancel_ = false;
    bool bodyLineOpen_ = false;  // pieces written without their line end
    BodyEncoder encoder_;
    std::vector<Colour> row_;
    std::string line_;
};

}  // namespace wf
