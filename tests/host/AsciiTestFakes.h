#pragma once
// Fakes for the picture generator's run: the window, the output file, the
// clock and the event pump, all recording what the run did to them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "asciipic/PictureWriter.h"
#include "common/Errors.h"
#include "fakes/FakePrompts.h"

namespace wf::test {

class FakeGeneratorView : public GeneratorView {
public:
    std::u16string outputPath = u"C:\\out.htm";
    std::u16string title = u"Created by Wrenfold ASCII picture generator";
    Colour back = 0;
    bool center = true, bold = true;
    std::u16string fontName = u"Terminal", fontSize = u"1";
    int16_t quality = quality::Good;
    std::u16string chars = u"o";
    std::vector<std::u16string> captions;  // every window caption set, in order
    std::u16string generateCaption = std::u16string(kGenerateCaption);
    bool exitEnabled = true;

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

// What one output file received. Writes are all-or-nothing, as TextSink
// promises; `failWrites` lists the 1-based write numbers that fail once.
struct FileRecord {
    std::u16string path;
    std::vector<std::string> writes;
    std::vector<int> failWrites;
    int attempts = 0;
    bool closed = false;
    std::string Content() const {
        std::string s;
        for (const auto& w : writes) s += w;
        return s;
    }
};

class FakeSink : public TextSink {
public:
    explicit FakeSink(FileRecord& r) : r_(r) {}
    ~FakeSink() override { r_.closed = true; }
    void Write(std::string_view bytes) override {
        ++r_.attempts;
        for (int& n : r_.failWrites) {
            if (n == r_.attempts) {
                n = 0;
                throw CommandError(err::DiskFull, u"Disk full");
            }
        }
        r_.writes.emplace_back(bytes);
    }
    void Close() override { r_.closed = true; }

private:
    FileRecord& r_;
};

class FakeOutputFiles : public OutputFiles {
public:
    std::vector<FileRecord> files;  // one per opening
    std::vector<int> failWrites;    // handed to the next file opened
    bool failOpen = false;

    std::unique_ptr<TextSink> CreateForOutput(std::u16string_view path) override {
        if (failOpen) throw CommandError(err::PathNotFound, u"Path not found");
        files.reserve(8);  // records are referenced by live sinks
        if (files.size() == files.capacity()) throw std::logic_error("too many files for the fake");
        files.push_back(FileRecord{std::u16string(path), {}, failWrites});
        return std::make_unique<FakeSink>(files.back());
    }
    const FileRecord& Only() const {
        if (files.size() != 1) throw std::logic_error("expected exactly one file");
        return files[0];
    }
};

// Time moves only when the test says so, or by `step` at every reading.
class FakeClock : public ClockLocale {
public:
    uint64_t now = 1000, step = 0;
    std::u16string separator = u".";
    std::vector<std::u16string> dates{u"16/12/2004 10:20:30", u"16/12/2004 10:20:31"};
    size_t datesGiven = 0;

    uint64_t Milliseconds() override {
        const uint64_t t = now;
        now += step;
        return t;
    }
    std::u16string NowText() override { return dates.at(datesGiven++ % dates.size()); }
    std::u16string DecimalSeparator() override { return separator; }
};

class FakePump : public EventPump {
public:
    int calls = 0;
    std::function<void(int call)> onCall;  // runs "window events" at a given pumping
    void DoEvents() override {
        ++calls;
        if (onCall) onCall(calls);
    }
};

// One generator with its fakes, wired together.
struct Generator {
    FakeGeneratorView view;
    FakeOutputFiles files;
    FakeClock clock;
    FakePump pump;
    FakePrompts prompts;
    MemoryRaster raster;
    AsciiPictureWriter writer{view, raster, files, clock, pump, prompts};

    Generator() = default;
    explicit Generator(MemoryRaster r) : raster(std::move(r)) {}
    // The writer refers to the members: a copy would refer to the original's.
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;
    // Runs Generate and gives the page written.
    std::string Run() {
        writer.cmdGenerate_Click();
        return files.files.empty() ? std::string() : files.files.back().Content();
    }
};

// The lines of a page (CR LF ends), and the characters of a body without its markup.
inline std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = page.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(page.substr(from, at - from));
    if (from != page.size()) lines.push_back(page.substr(from) + "<no line end>");
    return lines;
}

inline std::string StripMarkup(const std::string& body) {
    std::string out;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '<') {
            i = body.find('>', i);
            if (i == std::string::npos) break;
        } else {
            out += body[i];
        }
    }
    return out;
}

}  // namespace wf::test
