#pragma once
// Where the page goes: a sink of ANSI bytes. The real one is an output file
// written through a large buffer, so the 5000-character pieces of the body do
// not each cost a system call.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace wf {

class TextSink {
public:
    virtual ~TextSink() = default;
    // Appends bytes, line ends included by the caller. A failure throws
    // CommandError and leaves none of `bytes` accepted, so writing the same
    // bytes again after the user's Retry neither loses nor doubles anything.
    virtual void Write(std::string_view bytes) = 0;
    // Puts out what is buffered, so a failure shows where it happens rather
    // than at Close. A failure throws CommandError and keeps the unwritten
    // rest for the next Flush (a Retry); Discard drops it (an Ignore).
    virtual void Flush() = 0;
    virtual void Discard() = 0;
    // Puts everything out and closes; failures throw CommandError. A sink
    // destroyed without Close still puts out what it can, silently, as the
    // error path's closing of every open file does.
    virtual void Close() = 0;
};

// An open output file, the operating system's part of a sink.
class ByteFile {
public:
    virtual ~ByteFile() = default;  // closes the file
    // Writes a leading part of `bytes` and returns its length (at least 1 for
    // non-empty bytes), or throws CommandError (61 disk full, 75, ...).
    virtual size_t WriteSome(std::string_view bytes) = 0;
    // Closes the file; a failure (data the system could not put out) throws.
    virtual void Close() = 0;
};

// Opens the page file by name: an existing file is emptied, a missing one
// created. Failures throw CommandError (76 path not found, 70, 75, ...).
class OutputFiles {
public:
    virtual ~OutputFiles() = default;
    virtual std::unique_ptr<TextSink> CreateForOutput(std::u16string_view path) = 0;
};

// A TextSink over a ByteFile with one buffer of `capacity` bytes. Memory stays
// at the capacity (or the largest single write, if larger) whatever the page
// size. After a failed flush the unwritten rest stays buffered, so a later
// write or Close carries on exactly where the file stopped.
class BufferedTextSink : public TextSink {
public:
    static constexpr size_t kDefaultCapacity = size_t{1} << 20;

    explicit BufferedTextSink(std::unique_ptr<ByteFile> file, size_t capacity = kDefaultCapacity);
    ~BufferedTextSink() override;
    BufferedTextSink(const BufferedTextSink&) = delete;
    BufferedTextSink& operator=(const BufferedTextSink&) = delete;

    void Write(std::string_view bytes) override;
    void Flush() override;
    void Discard() override { start_ = end_ = 0; }
    void Close() override;

    size_t Buffered() const { return end_ - start_; }

private:

    std::unique_ptr<ByteFile> file_;
    size_t capacity_;
    std::string buf_;
    size_t start_ = 0, end_ = 0;  // unwritten bytes are buf_[start_, end_)
};

}  // namespace wf
