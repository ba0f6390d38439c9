#pragma once
// The page body: one character per sample, handed out cyclically from the
// user's characters, and a colour element wherever the colour changes.
// The encoder appends ANSI bytes to one reusable buffer; the writer empties
// it in pieces, so nothing here allocates per sample.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Colour.h"

namespace wf {

// ASCIIChars and CharPos: the characters of a run and the 1-based position of
// the next one. CharPos is a 16-bit counter; stepping it past 32767 (only
// possible with 32767 or more characters) is an overflow.
class CharacterCycle {
public:
    static constexpr int32_t kNone = -1;      // no character: the set is empty
    static constexpr int32_t kOverflow = -2;  // CharPos cannot advance; nothing taken

    // Starts a run: CharPos = 1.
    void Begin(std::u16string chars);
    const std::u16string& ASCIIChars() const { return chars_; }
    int16_t CharPos() const { return static_cast<int16_t>(pos_); }

    // The next character (length 1), or the empty string for an empty set;
    // advances CharPos. A CharPos overflow throws CommandError 6 and leaves
    // CharPos as it was.
    std::u16string GetASCIICHAR();

    // The same step without a string: the 0-based index handed out, kNone,
    // or kOverflow (state unchanged).
    int32_t Take() noexcept {
        if (len_ == 1) return 0;  // a single character never moves CharPos
        const int32_t index = pos_ <= len_ ? pos_ - 1 : kNone;
        if (pos_ == INT16_MAX) return kOverflow;
        if (++pos_ > len_) pos_ = 1;
        return index;
    }

    // After the user ignored an overflow: the cycle starts again at 1 so that
    // the following samples do not fail one by one.
    void Restart() { pos_ = 1; }

private:
    friend class BodyEncoder;  // AddSamples advances CharPos on a local copy

    std::u16string chars_;
    int32_t len_ = 0;
    int32_t pos_ = 1;
};

class BodyEncoder {
public:
    // Markup a colour change costs: "</FONT><FONT COLOR=" + 6 digits + ">".
    static constexpr size_t kTagLength = 26;

    // Starts a body: CharPos = 1, the characters, previous colour =
    // background, buffer = "<FONT COLOR=" + background digits + ">". The
    // characters are converted to ANSI once here, not per sample.
    void Begin(Colour background, std::u16string_view chars);

    // Add sample, colour half: opens a new colour element when the colour
    // differs from the previous one (exact equality of colour numbers).
    void AddColour(Colour c) {
        Reserve(kTagLength + maxCharBytes_);
        if (c != previous_) {
            AppendTag(c);
            previous_ = c;
        }
    }
    // Add sample, character half. False on a CharPos overflow, with nothing
    // appended and CharPos unchanged.
    bool TryAddChar() {
        const int32_t i = cycle_.Take();
        if (i < 0) return i == CharacterCycle::kNone;
        if (singleBytes_) {
            Reserve(1);
            buf_[len_++] = bytes_[static_cast<size_t>(i)];
        } else {
            const uint32_t from = offsets_[static_cast<size_t>(i)], to = offsets_[static_cast<size_t>(i) + 1];
            Reserve(to - from);
            for (uint32_t k = from; k < to; ++k) buf_[len_++] = bytes_[k];
        }
        ++chars_;
        return true;
    }
    // As TryAddChar, but the overflow throws CommandError 6.
    void AddChar();
    // Both halves; throws on overflow.
    void AddSample(Colour c) {
        AddColour(c);
        AddChar();
    }

    // Add sample for up to `count` samples in a row, stopping after the
    // sample that takes the buffer beyond `charLimit` characters, and before
    // a sample whose character would overflow CharPos (0 when the first one
    // would: add that one with AddColour and TryAddChar). Returns how many
    // samples were added. The same text as AddSample one by one, without the
    // per-sample bookkeeping in memory.
    size_t AddSamples(const Colour* samples, size_t count, size_t charLimit);

    void EndRow();  // "<BR>"; the previous colour is kept
    void Finish();  // "</FONT>"
    void AppendLineEnd();  // CR LF, when the buffer is the line's last piece

    // The buffer: its length in characters (as the 5000-character rule counts
    // them) and its ANSI bytes.
    size_t Chars() const { return chars_; }
    std::string_view Bytes() const { return {buf_.data(), len_}; }
    void Clear() {
        len_ = 0;
        chars_ = 0;
    }

    CharacterCycle& Cycle() { return cycle_; }
    Colour PreviousColour() const { return previous_; }

private:
    void Reserve(size_t more) {
        if (buf_.size() - len_ < more) Grow(more);
    }
    void Grow(size_t more);
    void AppendAscii(std::string_view s);
    void AppendTag(Colour c);

    CharacterCycle cycle_;
    std::string bytes_;               // ANSI bytes of every character, in order
    std::vector<uint32_t> offsets_;   // where each character's bytes start (plus the end)
    bool singleBytes_ = true;         // every character is one byte: offsets unused
    size_t maxCharBytes_ = 1;
    Colour previous_ = 0;
    std::string buf_;  // sized storage; only [0, len_) is the body text
    size_t len_ = 0;
    size_t chars_ = 0;
};

}  // namespace wf
