#include "asciipic/BodyEncoder.h"

#include <cstring>

#include "asciipic/modColours.h"
#include "common/Errors.h"
#include "common/Text.h"

namespace wf {

void CharacterCycle::Begin(std::u16string chars) {
    chars_ = std::move(chars);
    // A set longer than int32 cannot come from a text box; capping the length
    // only keeps the counter arithmetic in range.
    len_ = chars_.size() > INT32_MAX / 2 ? INT32_MAX / 2 : static_cast<int32_t>(chars_.size());
    pos_ = 1;
}

std::u16string CharacterCycle::GetASCIICHAR() {
    const int32_t i = Take();
    if (i == kOverflow) throw MakeError(err::Overflow);
    if (i == kNone) return {};
    return std::u16string(1, chars_[static_cast<size_t>(i)]);
}

void BodyEncoder::Begin(Colour background, std::u16string_view chars) {
    cycle_.Begin(std::u16string(chars));
    bytes_.clear();
    offsets_.clear();
    singleBytes_ = true;
    maxCharBytes_ = 1;
    for (char16_t c : chars) {
        if (c >= 0x80) {
            singleBytes_ = false;
            break;
        }
    }
    if (singleBytes_) {
        bytes_.assign(chars.begin(), chars.end());
    } else {
        // Each character is converted on its own, as it is handed out on its
        // own: a double-byte code page gives two bytes for one character.
        offsets_.reserve(chars.size() + 1);
        for (char16_t c : chars) {
            offsets_.push_back(static_cast<uint32_t>(bytes_.size()));
            const std::string b = ToAnsi(std::u16string_view(&c, 1));
            bytes_ += b;
            if (b.size() > maxCharBytes_) maxCharBytes_ = b.size();
        }
        offsets_.push_back(static_cast<uint32_t>(bytes_.size()));
    }
    previous_ = background;
    Clear();
    if (buf_.size() < 8192) buf_.resize(8192);
    AppendAscii("<FONT COLOR=");
    Reserve(7);
    HTMLColourDigits(background, buf_.data() + len_);
    len_ += 6;
    chars_ += 6;
    AppendAscii(">");
}

void BodyEncoder::AddChar() {
    if (!TryAddChar()) throw MakeError(err::Overflow);
}

size_t BodyEncoder::AddSamples(const Colour* samples, size_t count, size_t charLimit) {
    // The buffer is written through a char pointer, which may alias any
    // member; working on locals keeps the loop's state in registers.
    Reserve(count * (kTagLength + maxCharBytes_));
    char* p = buf_.data() + len_;
    size_t chars = chars_;
    Colour previous = previous_;
    const int32_t len = cycle_.len_;
    int32_t pos = cycle_.pos_;
    const char* bytes = bytes_.data();
    const uint32_t* offsets = offsets_.data();
    const bool single = singleBytes_;
    const char* hex = detail::kHexPairs.data();

    size_t i = 0;
    for (; i < count; ++i) {
        if (pos == INT16_MAX && len != 1) break;  // CharPos would overflow: the caller reports it
        const Colour c = samples[i];
        if (c != previous) {
            std::memcpy(p, "</FONT><FONT COLOR=", 19);
            std::memcpy(p + 19, hex + 2 * (c & 0xFF), 2);
            std::memcpy(p + 21, hex + 2 * ((c >> 8) & 0xFF), 2);
            std::memcpy(p + 23, hex + 2 * ((c >> 16) & 0xFF), 2);
            p[25] = '>';
            p += kTagLength;
            chars += kTagLength;
            previous = c;
        }
        if (len == 1) {
            if (single) {
                *p++ = bytes[0];
            } else {
                for (uint32_t k = offsets[0]; k < offsets[1]; ++k) *p++ = bytes[k];
            }
            ++chars;
        } else if (pos <= len) {
            const int32_t index = pos - 1;
            if (single) {
                *p++ = bytes[index];
            } else {
                for (uint32_t k = offsets[index]; k < offsets[index + 1]; ++k) *p++ = bytes[k];
            }
            ++chars;
            if (++pos > len) pos = 1;
        } else {
            pos = 1;  // an empty set hands out nothing and stays at 1
        }
        if (chars > charLimit) {
            ++i;
            break;
        }
    }
    len_ = static_cast<size_t>(p - buf_.data());
    chars_ = chars;
    previous_ = previous;
    cycle_.pos_ = pos;
    return i;
}

void BodyEncoder::EndRow() { AppendAscii("<BR>"); }

void BodyEncoder::Finish() { AppendAscii("</FONT>"); }

void BodyEncoder::AppendLineEnd() { AppendAscii("\r\n"); }

void BodyEncoder::Grow(size_t more) {
    size_t size = buf_.size() < 64 ? 64 : buf_.size();
    while (size - len_ < more) size *= 2;
    buf_.resize(size);
}

void BodyEncoder::AppendAscii(std::string_view s) {
    Reserve(s.size());
    std::memcpy(buf_.data() + len_, s.data(), s.size());
    len_ += s.size();
    chars_ += s.size();
}

void BodyEncoder::AppendTag(Colour c) {
    // Room was reserved by AddColour.
    char* p = buf_.data() + len_;
    std::memcpy(p, "</FONT><FONT COLOR=", 19);
    HTMLColourDigits(c, p + 19);
    p[25] = '>';
    len_ += kTagLength;
    chars_ += kTagLength;
}

}  // namespace wf
