#include "asciipic/PictureWriter.h"

#include <algorithm>
#include <exception>
#include <new>

#include "asciipic/modColours.h"
#include "common/ErrorReport.h"
#include "common/Errors.h"
#include "common/Text.h"

namespace wf {

namespace {

// Samples between two looks at the clock: reading it per sample would cost
// more than encoding the sample.
constexpr int32_t kSamplesPerClockRead = 1024;

std::u16string Digits(int64_t n) { return ToU16(std::to_string(n)); }

}  // namespace

const std::u16string_view kDownloadNoticeLine =
    u"<!--- Wrenfold is a free collection of tray utilities; download the latest version from its home page. --->";
const std::u16string_view kFeedbackNoticeLine =
    u"<!--- Comments and suggestions about the Wrenfold ASCII Picture Generator are always welcome. --->";

std::u16string FontLine(std::u16string_view fontName, std::u16string_view fontSize) {
    std::u16string s = u"<FONT FACE=\"";
    s += fontName;
    s += u"\" SIZE=\"";
    s += fontSize;
    s += u"\">";
    return s;
}

std::u16string ProgressFigure(int32_t y, int32_t height, std::u16string_view decimalSeparator) {
    if (height <= 0 || y <= 0) return u"0";
    // Hundredths of a per cent, rounded exactly: y * 10000 / height as a
    // fraction, so a true half (3.125) goes to the even neighbour (3.12)
    // instead of wherever binary floating point happens to land.
    const int64_t num = static_cast<int64_t>(y) * 10000;
    int64_t q = num / height;
    const int64_t rem = num % height;
    if (2 * rem > height || (2 * rem == height && (q % 2) != 0)) ++q;
    std::u16string s = Digits(q / 100);
    const int64_t frac = q % 100;
    if (frac != 0) {
        s += decimalSeparator;
        s += static_cast<char16_t>(u'0' + frac / 10);
        if (frac % 10 != 0) s += static_cast<char16_t>(u'0' + frac % 10);
    }
    return s;
}

std::u16string ProgressCaption(int32_t y, int32_t height, std::u16string_view decimalSeparator) {
    std::u16string s = ProgressFigure(y, height, decimalSeparator) + u"%";
    if (s.size() < 8) s.append(8 - s.size(), u' ');
    s += u" - ";
    s += kAsciiWritingCaption;
    return s;
}

AsciiPictureWriter::AsciiPictureWriter(GeneratorView& view, const PictureRaster& raster, OutputFiles& files,
                                       ClockLocale& clock, EventPump& pump, Prompts& prompts)
    : view_(view), raster_(raster), files_(files), clock_(clock), pump_(pump), prompts_(prompts) {}

void AsciiPictureWriter::cmdGenerate_Click() {
    if (running_) {
        // The click arrived from inside the running loop's event pumping: the
        // window goes back to idle at once, the loop stops after its sample.
        cancel_ = true;
        view_.EnableExit(true);
        view_.SetGenerateCaption(kGenerateCaption);
        pump_.DoEvents();
        return;
    }
    Generate();
}

void AsciiPictureWriter::ReturnToIdle() {
    view_.SetCaption(kAsciiWindowCaption);
    view_.EnableExit(true);
    view_.SetGenerateCaption(kGenerateCaption);
}

void AsciiPictureWriter::WriteLine(TextSink& file, std::u16string_view line) {
    line_ = ToAnsi(line);
    line_ += "\r\n";
    file.Write(line_);
}

void AsciiPictureWriter::Generate() {
    running_ = true;
    cancel_ = false;
    bodyLineOpen_ = false;
    std::unique_ptr<TextSink> file;
    std::u16string failure;
    try {
        view_.EnableExit(false);
        view_.SetGenerateCaption(kCancelCaption);
        pump_.DoEvents();
        view_.SetCaption(kAsciiWritingCaption);
        file = files_.CreateForOutput(view_.OutputPath());

        WriteLine(*file, u"<!--- ASCII Picture created by Wrenfold ASCII Picture Generator on " + clock_.NowText() +
                             u" --->");
        WriteLine(*file, kDownloadNoticeLine);
        WriteLine(*file, u"<HTML>");
        WriteLine(*file, u"<HEAD><TITLE>" + view_.PageTitle() + u"</TITLE></HEAD>");
        WriteLine(*file, u"<BODY BGCOLOR=" + HTMLColour(view_.BackColour()) + u">");
        // The closing lines follow what was opened here, so ticking a box in
        // the middle of a run cannot leave the page with unbalanced tags.
        const bool center = view_.Center();
        if (center) WriteLine(*file, u"<CENTER>");
        const bool bold = view_.Bold();
        if (bold) WriteLine(*file, u"<B>");
        if (view_.FontName().empty()) view_.SetFontName(kDefaultFontName);
        if (view_.FontSize().empty()) view_.SetFontSize(kDefaultFontSize);
        WriteLine(*file, FontLine(view_.FontName(), view_.FontSize()));
        WriteLine(*file, u"<BR>");
        // The head is a few hundred bytes that would otherwise wait in the
        // buffer: a file that cannot take them fails here, plainly.
        file->Flush();

        WriteASCIIPicture(*file);
        // A cancelled or aborted body stops mid-line; end that line so the
        // closing lines stay lines of their own.
        if (bodyLineOpen_) file->Write("\r\n");

        WriteLine(*file, u"<BR>");
        if (center) WriteLine(*file, u"</CENTER>");
        if (bold) WriteLine(*file, u"</B>");
        WriteLine(*file, u"</BODY>");
        WriteLine(*file, u"</HTML>");
        WriteLine(*file, u"<!--- ASCII Picture created by Wrenfold on " + clock_.NowText() + u" --->");
        WriteLine(*file, kFeedbackNoticeLine);
        file->Close();
        file.reset();
        running_ = false;
        ReturnToIdle();
        pump_.DoEvents();
        return;
    } catch (const CommandError& e) {
        failure = e.description();
    } catch (const std::bad_alloc&) {
        failure = u"Out of memory";
    } catch (const std::exception& e) {
        failure = ToU16(e.what());
    }
    // The file is closed (what the buffer holds is put out if it can be)
    // before anything else runs, so a run started from the message box's
    // own event handling cannot meet it still open.
    file.reset();
    running_ = false;
    try {
        ReturnToIdle();
        pump_.DoEvents();
    } catch (...) {
        // The window is going back to idle after a failure; the message
        // below is what the user needs to see.
    }
    std::u16string text(kTaskErrorText);
    text += u"\r\n";
    text += failure;
    prompts_.MsgBox(text, kAsciiWindowCaption, mb::Exclamation + mb::OkOnly);
}

bool AsciiPictureWriter::CharacterFailed() {
    const StepResult r = RunStep(prompts_, kAsciiCommandName, [this] { encoder_.AddChar(); });
    if (r == StepResult::Aborted) return false;
    // Ignored: this sample goes without its character. CharPos cannot move
    // past 32767, so the cycle starts again at 1; otherwise every later sample
    // would fail the same way and ask again, once per pixel.
    if (r == StepResult::Ignored) encoder_.Cycle().Restart();
    return true;
}

bool AsciiPictureWriter::WriteBuffer(TextSink& file, bool lastPiece) {
    const StepResult r = RunStep(prompts_, kAsciiCommandName, [&] { file.Write(encoder_.Bytes()); });
    if (r == StepResult::Aborted) return false;
    if (r == StepResult::Done) bodyLineOpen_ = !lastPiece;
    // Done or Ignored, the buffer starts empty again: an ignored piece is lost,
    // which is what the user chose.
    encoder_.Clear();
    return true;
}

AsciiPictureWriter::BodyOutcome AsciiPictureWriter::WriteASCIIPicture(TextSink& file) {
    bodyLineOpen_ = false;
    // Characters, quality and background are read once, at the start.
    encoder_.Begin(view_.BackColour(), view_.AsciiChars());
    const int16_t qualityIndex = view_.QualityIndex();
    const int32_t height = raster_.Height();
    const SampleSteps steps = SampleGrid(raster_.Width(), height, qualityIndex);
    const std::u16string separator = clock_.DecimalSeparator();

    uint64_t lastPump = clock_.Milliseconds();
    uint64_t lastCaption = 0;
    bool captionShown = false;
    int32_t untilClock = kSamplesPerClockRead;

    for (int64_t y = 0; y < height; y += steps.sy) {
        // The picture may be reloaded while events run: width every row.
        const int32_t count = SampleCount(raster_.Width(), steps.sx);
        if (row_.size() < static_cast<size_t>(count)) row_.resize(static_cast<size_t>(count));
        raster_.ReadRow(static_cast<int32_t>(y), 0, steps.sx, count, row_.data());
        const Colour* samples = row_.data();

        for (int32_t i = 0; i < count;) {
            // Samples go in batches that end where the per-sample checks below
            // could do something: at a look at the clock, a full buffer, a
            // CharPos overflow. Between batches nothing runs that could ask
            // to cancel, so checking after each batch's last sample is
            // checking after every sample; once a cancel is asked, the batch
            // is the one sample after which the run stops.
            size_t batch = static_cast<size_t>(std::min(count - i, untilClock));
            if (cancel_) batch = 1;
            size_t done = encoder_.AddSamples(samples + i, batch, kPieceChars);
            if (done == 0) {
                encoder_.AddColour(samples[i]);
                if (!encoder_.TryAddChar() && !CharacterFailed()) return BodyOutcome::Aborted;
                done = 1;
            }
            i += static_cast<int32_t>(done);
            untilClock -= static_cast<int32_t>(done);

            if (cancel_) return BodyOutcome::Cancelled;  // the buffer is dropped
            if (untilClock == 0) {
                untilClock = kSamplesPerClockRead;
                if (clock_.Milliseconds() - lastPump >= kTimeSliceMs) {
                    pump_.DoEvents();
                    lastPump = clock_.Milliseconds();
                }
            }
            if (encoder_.Chars() > kPieceChars && !WriteBuffer(file, false)) return BodyOutcome::Aborted;
        }
        encoder_.EndRow();

        // A caption per row would cost more than the row itself on wide
        // pictures; it changes at most once a time slice, and after the first
        // row always.
        const uint64_t now = clock_.Milliseconds();
        if (!captionShown || now - lastCaption >= kTimeSliceMs) {
            view_.SetCaption(ProgressCaption(static_cast<int32_t>(y), height, separator));
            lastCaption = now;
            captionShown = true;
        }
    }
    encoder_.Finish();
    encoder_.AppendLineEnd();
    if (!WriteBuffer(file, true)) return BodyOutcome::Aborted;
    // The body's last bytes may still be buffered: put them out while a
    // failure can still be retried. Abort or Ignore: the body ends where the
    // file stopped, and the closing lines follow.
    const StepResult r = RunStep(prompts_, kAsciiCommandName, [&] { file.Flush(); });
    if (r != StepResult::Done) file.Discard();
    return r == StepResult::Aborted ? BodyOutcome::Aborted : BodyOutcome::Finished;
}

}  // namespace wf
