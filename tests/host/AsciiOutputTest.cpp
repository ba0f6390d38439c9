#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "asciipic/PageOutput.h"
#include "common/Errors.h"

namespace wf {
namespace {

// A file that takes at most `chunk` bytes per call; at call `failAtCall` (1-based) it fails, at
// `stallAtCall` it takes nothing.
struct FileLog {
    std::string data = "";
    std::vector<size_t> calls = {};  // sizes offered
    int failAtCall = 0, stallAtCall = 0;
    size_t chunk = SIZE_MAX;
    bool closed = false;
};

struct ScriptedFile : ByteFile {
    FileLog& log;
    explicit ScriptedFile(FileLog& l) : log(l) {}
    ~ScriptedFile() override { log.closed = true; }
    size_t WriteSome(std::string_view bytes) override {
        log.calls.push_back(bytes.size());
        const int call = static_cast<int>(log.calls.size());
        if (call == log.failAtCall) throw CommandError(err::DiskFull, u"Disk full");
        const size_t n = call == log.stallAtCall ? 0 : std::min(bytes.size(), log.chunk);
        log.data.append(bytes.substr(0, n));
        return n;
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
        EXPECT_EQ(failures, c.failures);
        EXPECT_TRUE(log.closed);
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

}  // namespace
}  // namespace wf
