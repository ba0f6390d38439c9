#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "asciipic/PageOutput.h"
#include "common/Errors.h"

namespace wf {
namespace {

// A file that takes at most `chunk` bytes per call and fails where told.
struct FileLog {
    std::string data;
    std::vector<size_t> calls;  // sizes offered
    int failAtCall = 0;         // 1-based
    size_t chunk = SIZE_MAX;
    bool closed = false;
};

class ScriptedFile : public ByteFile {
public:
    explicit ScriptedFile(FileLog& log) : log_(log) {}
    ~ScriptedFile() override { log_.closed = true; }
    size_t WriteSome(std::string_view bytes) override {
        log_.calls.push_back(bytes.size());
        if (static_cast<int>(log_.calls.size()) == log_.failAtCall) throw CommandError(err::DiskFull, u"Disk full");
        const size_t n = std::min(bytes.size(), log_.chunk);
        log_.data.append(bytes.substr(0, n));
        return n;
    }

private:
    FileLog& log_;
};

TEST(BufferedTextSink, CollectsSmallWritesIntoLargeOnes) {
    FileLog log;
    {
        BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 100);
        for (int i = 0; i < 30; ++i) sink.Write("0123456789");  // 300 bytes
        EXPECT_LE(sink.Buffered(), 100u);
        sink.Close();
        EXPECT_TRUE(log.closed);
    }
    std::string expected;
    for (int i = 0; i < 30; ++i) expected += "0123456789";
    EXPECT_EQ(log.data, expected);
    EXPECT_EQ(log.calls, (std::vector<size_t>{100, 100, 100}));
}

TEST(BufferedTextSink, PartialWritesAreCarriedOn) {
    FileLog log;
    log.chunk = 7;
    BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 16);
    sink.Write("abcdefghij");
    sink.Write("klmnopqrst");  // does not fit: the first ten go out in pieces of 7
    sink.Close();
    EXPECT_EQ(log.data, "abcdefghijklmnopqrst");
}

TEST(BufferedTextSink, AFailedWriteTakesNothingSoARetryNeitherLosesNorDoubles) {
    FileLog log;
    log.chunk = 6;
    log.failAtCall = 2;  // the flush stops after 6 of 10 bytes
    BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 12);
    sink.Write("0123456789");
    EXPECT_THROW(sink.Write("ABCDEFGH"), CommandError);
    EXPECT_EQ(sink.Buffered(), 4u);   // the unwritten rest of the first write only
    sink.Write("ABCDEFGH");           // the user's Retry
    sink.Close();
    EXPECT_EQ(log.data, "0123456789ABCDEFGH");
}

TEST(BufferedTextSink, WritesLargerThanTheBufferAndMemoryGivenBack) {
    FileLog log;
    BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 8);
    sink.Write("ab");
    sink.Write(std::string(50, 'x'));
    sink.Write("cd");
    sink.Close();
    EXPECT_EQ(log.data, "ab" + std::string(50, 'x') + "cd");
}

TEST(BufferedTextSink, CloseReportsFailureAndDestructionStillClosesTheFile) {
    FileLog log;
    log.failAtCall = 1;
    {
        BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 64);
        sink.Write("page");
        EXPECT_THROW(sink.Close(), CommandError);
        EXPECT_FALSE(log.closed);
    }  // the error path's closing: tries once more, silently
    EXPECT_TRUE(log.closed);
    EXPECT_EQ(log.data, "page");
}

TEST(BufferedTextSink, AFileThatTakesNothingIsAnError) {
    FileLog log;
    log.chunk = 0;
    BufferedTextSink sink(std::make_unique<ScriptedFile>(log), 4);
    sink.Write("abc");
    try {
        sink.Close();
        FAIL() << "no error";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), err::DiskFull);
    }
    log.chunk = SIZE_MAX;
    sink.Close();
    EXPECT_EQ(log.data, "abc");
    EXPECT_THROW(sink.Write("more"), CommandError);  // after Close
}

}  // namespace
}  // namespace wf
