#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AsciiTestFakes.h"
#include "asciipic/PageOutput.h"
#include "common/Errors.h"

namespace wf {
namespace {

// A file that takes at most `chunk` bytes per call; at call `failAtCall` (1-based) it fails, at
// `stallAtCall` it takes nothing. Once it holds `fullAt` bytes it fails `fullFor` more calls, as
// a disk that fills up and is then given room; `failClose` fails the closing.
struct FileLog {
    std::string data = "";
    std::vector<size_t> calls = {};  // sizes offered
    int failAtCall = 0, stallAtCall = 0;
    size_t chunk = SIZE_MAX, fullAt = SIZE_MAX;
    int fullFor = 0;
    bool failOpen = false, failClose = false, closed = false;
};

struct ScriptedFile : ByteFile {
    FileLog& log;
    explicit ScriptedFile(FileLog& l) : log(l) {}
    ~ScriptedFile() override { log.closed = true; }
    size_t WriteSome(std::string_view bytes) override {
        log.calls.push_back(bytes.size());
        const int call = static_cast<int>(log.calls.size());
        if (call == log.failAtCall) throw CommandError(err::DiskFull, u"Disk full");
        if (log.data.size() >= log.fullAt && log.fullFor > 0 && log.fullFor--)
            throw CommandError(err::DiskFull, u"Disk full");
        size_t n = call == log.stallAtCall ? 0 : std::min(bytes.size(), log.chunk);
        if (log.data.size() < log.fullAt) n = std::min(n, log.fullAt - log.data.size());
        log.data.append(bytes.substr(0, n));
        return n;
    }
    void Close() override {
        if (log.failClose) throw CommandError(err::PathFileAccess, u"Path/File access error");
    }
};

TEST(BufferedTextSink, WritesArriveWholeOnceEachThroughPartialWritesAndRetries) {
    const struct { FileLog file; size_t capacity; std::vector<std::string> writes; int failures; } cases[] = {
        {{}, 100, std::vector<std::string>(30, "0123456789"), 0},  // small writes collected into large ones
        {{.chunk = 7}, 16, {"abcdefghij", "klmnopqrst"}, 0},  // the first ten go out in pieces of 7
        {{}, 8, {"ab", std::string(50, 'x'), "cd"}, 0},  // larger than the buffer
        // A failed flush stops after 6 of 10 bytes and takes none of the new write.
        {{.failAtCall = 2, .chunk = 6}, 12, {"0123456789", "ABCDEFGH"}, 1},
        {{.stallAtCall = 1}, 4, {"abc"}, 1}};  // a file that takes nothing is an error, not a hang
    for (const auto& c : cases) {
        FileLog log = c.file;
        BufferedTextSink sink(std::make_unique<ScriptedFile>(log), c.capacity);
        int failures = 0;
        const auto retried = [&](auto step) {  // as the user's Retry does
            try {
                step();
            } catch (const CommandError& e) {
                EXPECT_EQ(e.number(), err::DiskFull);
                ++failures;
                step();
            }
        };
        std::string all;
        for (const std::string& w : c.writes) {
            retried([&] { sink.Write(w); });
            all += w;
            EXPECT_LE(sink.Buffered(), std::max(c.capacity, w.size()));  // memory stays bounded
        }
        retried([&] { sink.Close(); });
        EXPECT_TRUE(failures == c.failures && log.closed) << failures;
        EXPECT_EQ(log.data, all);
        EXPECT_THROW(sink.Write("more"), CommandError);  // after Close
        EXPECT_TRUE(c.capacity != 100 || log.calls == std::vector<size_t>(3, 100));  // collected into three
    }
}

TEST(BufferedTextSink, CloseReportsFailuresAndDestructionStillClosesTheFile) {
    FileLog log{.failAtCall = 1};
    {
        BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 64);
        sink.Write("page");
        EXPECT_THROW(sink.Close(), CommandError);
        EXPECT_FALSE(log.closed);
    }  // the error path's closing: tries once more, silently
    EXPECT_TRUE(log.closed);
    EXPECT_EQ(log.data, "page");
}

// The generator over the real buffered sink, on a file that fills up at a
// given byte: every failure surfaces where it happens, whatever the page size
// against the buffer, and Retry writes each byte exactly once. In the body the
// report offers Abort, Retry and Ignore; elsewhere the task message only OK.
TEST(BufferedTextSink, AFullDiskReachesTheReportInTheBodyAndThePlainMessageOutsideIt) {
    struct Run : test::Generator {
        FileLog log;
        bool idleAtLastPump = false;  // before any message: a task message comes after the window is idle
        Run(int32_t width, FileLog given, std::deque<int> answers) : Generator(MemoryRaster(width, 40)), log(given) {
            pump.onCall = [this](int) { idleAtLastPump = view.Idle() && prompts.messages.empty(); };
            for (int32_t x = 0; x < width; x += 2) raster.Set(x, 7, 0xFFFFFF);  // colour elements on one row
            files.open = [this]() -> std::unique_ptr<TextSink> {
                if (log.failOpen) throw CommandError(err::PathNotFound, u"Path not found");
                return std::make_unique<BufferedTextSink>(std::make_unique<ScriptedFile>(log), 4096);
            };
            prompts.answers = std::move(answers);
            view.chars = u"ab";
            writer.cmdGenerate_Click();
        }
    };
    const auto page = [](int32_t width) { return Run(width, {}, {}).log.data; };
    const std::string small = page(20), large = page(400);  // under and over the 4096-byte buffer
    ASSERT_LT(small.size(), 4096u);
    ASSERT_GT(large.size(), 3 * 4096u);
    const size_t head = small.find("<BR>\r\n") + 6, bodyEnd = small.rfind("<BR>\r\n</CENTER>");
    const std::u16string report = u"An error occured while executing this command:\r\n\r\nDisk full (61)";
    const std::u16string task = u"An error has occured while performing the task.\r\nDisk full";
    enum Page { Whole, Cut, Holed, HeadOnly, None };
    const struct { const char* name; int32_t width; FileLog log; std::deque<int> answers; std::u16string message;
                   Page page; } cases[] = {
        {"head", 20, {.fullAt = 100, .fullFor = 1}, {answer::Ok}, task, HeadOnly},
        {"small, retry", 20, {.fullAt = head + 50, .fullFor = 2}, {answer::Retry, answer::Retry}, report, Whole},
        {"small, abort", 20, {.fullAt = head + 50, .fullFor = 1}, {answer::Abort}, report, Holed},
        {"large, retry", 400, {.fullAt = 9000, .fullFor = 1}, {answer::Retry}, report, Whole},
        {"large, last bytes", 400, {.fullAt = large.size() - 300, .fullFor = 1}, {answer::Retry}, report, Whole},
        {"large, ignore", 400, {.fullAt = 9000, .fullFor = 1}, {answer::Ignore}, report, Holed},
        {"closing lines", 20, {.fullAt = bodyEnd + 10, .fullFor = 2}, {answer::Ok}, task, Cut},
        {"close", 20, {.failClose = true}, {answer::Ok}, u"An error has occured while performing the task.\r\n"
                                                          u"Path/File access error", Whole},
        {"open", 20, {.failOpen = true}, {answer::Ok}, u"An error has occured while performing the task.\r\n"
                                                       u"Path not found", None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Run r(c.width, c.log, c.answers);
        const std::string& full = c.width == 20 ? small : large;
        const std::string& got = r.log.data;
        ASSERT_EQ(r.prompts.messages.size(), c.answers.size());
        const bool inBody = c.message == report;
        for (const auto& m : r.prompts.messages)
            EXPECT_EQ(std::tie(m.text, m.title, m.style),
                      std::make_tuple(c.message, inBody ? u"ASCII Picture Generator error" : u"ASCII Picture Generator",
                                      inBody ? 50 : 48));
        EXPECT_TRUE(r.prompts.answers.empty() && (r.log.closed || c.page == None) && r.view.Idle());
        EXPECT_TRUE(inBody || r.idleAtLastPump);
        // Nothing is ever written twice: what the file holds is the page with
        // at most one stretch missing.
        size_t prefix = 0, suffix = 0;
        while (prefix < got.size() && prefix < full.size() && got[prefix] == full[prefix]) ++prefix;
        while (suffix < got.size() - prefix && got[got.size() - 1 - suffix] == full[full.size() - 1 - suffix]) ++suffix;
        EXPECT_EQ(prefix + suffix, got.size());
        switch (c.page) {
        case Whole: EXPECT_EQ(got, full); break;
        case HeadOnly: EXPECT_LE(got.size(), head); break;
        case None: EXPECT_EQ(got, ""); break;
        case Cut: EXPECT_LT(got.size(), full.size()); break;
        case Holed:
            EXPECT_LT(got.size(), full.size());
            EXPECT_TRUE(got.ends_with("</HTML>\r\n" + full.substr(full.rfind("<!--- ASCII Picture created by Wrenfold on"))));
            break;
        }
    }
}

}  // namespace
}  // namespace wf
