#pragma once
// Fakes for the picture generator's run: the window, the output files, the
// clock and the event pump, all recording what the run did to them.
#include <deque>
#include <functional>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "asciipic/PictureWriter.h"
#include "common/Errors.h"
#include "fakes/FakePrompts.h"

namespace wf::test {

struct FakeGeneratorView : GeneratorView {
    std::u16string outputPath = u"C:\\out.htm", title = u"T", fontName = u"Terminal", fontSize = u"1", chars = u"o";
    Colour back = 0;
    bool center = true, bold = true, exitEnabled = true;
    int16_t quality = quality::Excellent;
    std::vector<std::u16string> captions;  // every window caption set, in order
    std::u16string generateCaption{kGenerateCaption};

    std::u16string OutputPath() override { return outputPath; }
    std::u16string PageTitle() override { return title; }
    Colour BackColour() override { return back; }
    bool Center() override { return center; }
    bool Bold() override { return bold; }
    std::u16string FontName() override { return fontName; }
    void SetFontName(std::u16string_view n) override { fontName = n; }
    std::u16string FontSize() override { return fontSize; }
    void SetFontSize(std::u16string_view s) override { fontSize = s; }
    int16_t QualityIndex() override { return quality; }
    std::u16string AsciiChars() override { return chars; }
    void SetCaption(std::u16string_view c) override { captions.emplace_back(c); }
    void SetGenerateCaption(std::u16string_view c) override { generateCaption = c; }
    void EnableExit(bool e) override { exitEnabled = e; }
    bool Idle() const {
        return exitEnabled && generateCaption == kGenerateCaption && !captions.empty() &&
               captions.back() == kAsciiWindowCaption;
    }
};

// What one output file received, write by write. Failing writes go through
// the real buffered sink (AsciiOutputTest).
struct FileRecord {
    std::u16string path;
    std::vector<std::string> writes;
    bool closed = false;
    std::string Content() const { return std::accumulate(writes.begin(), writes.end(), std::string()); }
};

struct FakeSink : TextSink {
    FileRecord& r;
    explicit FakeSink(FileRecord& rec) : r(rec) {}
    ~FakeSink() override { r.closed = true; }
    void Write(std::string_view bytes) override { r.writes.emplace_back(bytes); }
    void Flush() override {}
    void Discard() override {}
    void Close() override { r.closed = true; }
};

struct FakeOutputFiles : OutputFiles {
    std::deque<FileRecord> files;  // one per opening; a deque keeps live sinks' records in place
    std::function<std::unique_ptr<TextSink>()> open;  // when set, another sink, such as the real buffered one
    std::unique_ptr<TextSink> CreateForOutput(std::u16string_view path) override {
        if (open) return open();
        files.push_back(FileRecord{std::u16string(path), {}});
        return std::make_unique<FakeSink>(files.back());
    }
    const FileRecord& Only() const {
        if (files.size() != 1) throw std::logic_error("expected exactly one file");
        return files[0];
    }
};

// Time moves by `step` at every reading; the two dates alternate.
struct FakeClock : ClockLocale {
    uint64_t now = 1000, step = 0;
    int datesGiven = 0;
    uint64_t Milliseconds() override { return (now += step) - step; }
    std::u16string NowText() override { return datesGiven++ % 2 ? u"16/12/2004 10:20:31" : u"16/12/2004 10:20:30"; }
    std::u16string DecimalSeparator() override { return u"."; }
};

struct FakePump : EventPump {
    int calls = 0;
    std::function<void(int call)> onCall;  // runs "window events" at a given pumping
    void DoEvents() override {
        if (++calls, onCall) onCall(calls);
    }
};

// One generator with its fakes, wired together; not copyable, as the writer
// refers to the members.
struct Generator {
    FakeGeneratorView view;
    FakeOutputFiles files;
    FakeClock clock;
    FakePump pump;
    FakePrompts prompts;
    MemoryRaster raster;
    AsciiPictureWriter writer{view, raster, files, clock, pump, prompts};

    explicit Generator(MemoryRaster r = {}) : raster(std::move(r)) {}
    Generator(const Generator&) = delete;
    std::string Run() {  // the page written
        writer.cmdGenerate_Click();
        return files.files.empty() ? std::string() : files.files.back().Content();
    }
};

// The lines of a page (CR LF ends).
inline std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = page.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(page.substr(from, at - from));
    if (from != page.size()) lines.push_back(page.substr(from) + "<no line end>");
    return lines;
}

}  // namespace wf::test
