#include "asciipic/PageOutput.h"

#include <cstring>

#include "common/Errors.h"

namespace wf {

BufferedTextSink::BufferedTextSink(std::unique_ptr<ByteFile> file, size_t capacity)
    : file_(std::move(file)), capacity_(capacity == 0 ? 1 : capacity) {}

BufferedTextSink::~BufferedTextSink() {
    try {
        Close();
    } catch (...) {
        // Closing on the error path: what cannot be written is lost, as when
        // the disk is full; the file is closed all the same.
    }
}

void BufferedTextSink::Write(std::string_view bytes) {
    if (!file_) throw MakeError(err::PathFileAccess);  // written after Close
    if (bytes.empty()) return;
    if (buf_.size() - end_ < bytes.size()) {
        // Flush first: if it fails nothing of `bytes` has been taken.
        Flush();
        if (buf_.size() < bytes.size() || buf_.size() < capacity_)
            buf_.resize(bytes.size() > capacity_ ? bytes.size() : capacity_);
    }
    std::memcpy(buf_.data() + end_, bytes.data(), bytes.size());
    end_ += bytes.size();
}

void BufferedTextSink::Flush() {
    while (start_ < end_) {
        const size_t n = file_->WriteSome(std::string_view(buf_.data() + start_, end_ - start_));
        if (n == 0) throw MakeError(err::DiskFull);  // a file that takes nothing would loop forever
        start_ += n > end_ - start_ ? end_ - start_ : n;
    }
    start_ = end_ = 0;
    // A write larger than the capacity grew the buffer; give that back.
    if (buf_.size() > capacity_) {
        buf_.resize(capacity_);
        buf_.shrink_to_fit();
    }
}

void BufferedTextSink::Close() {
    if (!file_) return;
    Flush();
    // Closed even when closing fails: a second Close must not try again.
    const std::unique_ptr<ByteFile> file = std::move(file_);
    file->Close();
}

}  // namespace wf
