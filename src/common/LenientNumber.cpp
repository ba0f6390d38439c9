#include "common/LenientNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/Errors.h"

namespace wf {

namespace {

// Reads the text one character at a time, stepping over blanks wherever they
// stand; 0 marks the end (an embedded NUL ends the number just the same).
class Cursor {
public:
    explicit Cursor(std::u16string_view text) : text_(text) {}
    char16_t Peek() {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n'))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : u'\0';
    }
    void Next() { ++pos_; }

private:
    std::u16string_view text_;
    size_t pos_ = 0;
};

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

unsigned DigitValue(char16_t c) {
    c = Upper(c);
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 99;
}

[[noreturn]] void Overflow() { throw MakeError(err::Overflow); }

double ReadPattern(Cursor& in, unsigned radix) {
    // Checking after every digit keeps leading zeros harmless and stops the
    // accumulator long before 64 bits could wrap.
    uint64_t bits = 0;
    for (unsigned d; (d = DigitValue(in.Peek())) < radix; in.Next())
        if ((bits = bits * radix + d) > 0xFFFFFFFFu) Overflow();
    return bits <= 0xFFFFu ? static_cast<int16_t>(bits) : static_cast<int32_t>(bits);
}

double ReadDecimal(Cursor& in) {
    const char16_t sign = in.Peek();
    if (sign == u'+' || sign == u'-') in.Next();

    // Only the significant digits and a power of ten are kept, so the text
    // handed to from_chars is plain and its magnitude is easy to judge.
    std::string digits;
    int64_t scale = 0;
    bool point = false;
    for (char16_t c = in.Peek();; in.Next(), c = in.Peek()) {
        if (c == u'.' && !point) {
            point = true;
        } else if (c >= u'0' && c <= u'9') {
            if (c != u'0' || !digits.empty()) digits += static_cast<char>(c);
            if (point) --scale;
        } else {
            break;
        }
    }

    if (const char16_t e = Upper(in.Peek()); e == u'E' || e == u'D') {
        in.Next();
        const char16_t esign = in.Peek();
        if (esign == u'+' || esign == u'-') in.Next();
        // Saturating is enough: any exponent this large is far outside a double.
        int64_t exponent = 0;
        for (char16_t c = in.Peek(); c >= u'0' && c <= u'9'; in.Next(), c = in.Peek())
            exponent = std::min<int64_t>(exponent * 10 + (c - u'0'), 1'000'000'000);
        scale += esign == u'-' ? -exponent : exponent;
    }
    if (digits.empty()) return 0;  // no digits, or only zeros

    digits += 'e' + std::to_string(scale);
    double value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc::result_out_of_range) {
        // With n significant digits the value lies in [10^(n-1+scale),
        // 10^(n+scale)), so a range error with n + scale > 0 is too large and
        // any other one too small.
        if (static_cast<int64_t>(digits.find('e')) + scale > 0) Overflow();
        return 0;
    }
    return sign == u'-' ? -value : value;
}

template <typename T>
T RoundTo(double value) {
    // Explicit halves-to-even rather than nearbyint, so a rounding mode left
    // behind by some other code cannot change the result.
    double r = std::floor(value);
    const double rest = value - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    // Written so that NaN and infinities fail the test as well.
    if (!(r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max())) Overflow();
    return static_cast<T>(r);
}

}  // namespace

double ReadLenientNumber(std::u16string_view text) {
    Cursor in(text);
    // The prefix counts only where the number starts, as in BASIC's Val: in
    // "-&H10" the '&' cannot continue the sign, so the text reads as 0, as
    // such keys and ports always have; a negative value is still reachable
    // through the pattern itself (&HFFF0).
    if (in.Peek() == u'&') {
        in.Next();
        const char16_t kind = Upper(in.Peek());
        in.Next();
        return kind == u'H' ? ReadPattern(in, 16) : kind == u'O' ? ReadPattern(in, 8) : 0;
    }
    return ReadDecimal(in);
}

int16_t RoundToInt16(double value) { return RoundTo<int16_t>(value); }
int32_t RoundToInt32(double value) { return RoundTo<int32_t>(value); }

int16_t CheckedAdd16(int16_t a, int16_t b) {
    const int32_t sum = int32_t{a} + b;
    if (sum < INT16_MIN || sum > INT16_MAX) Overflow();
    return static_cast<int16_t>(sum);
}

int32_t CheckedAdd32(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + b;
    if (sum < INT32_MIN || sum > INT32_MAX) Overflow();
    return static_cast<int32_t>(sum);
}

int32_t CheckedMul32(int32_t a, int32_t b) {
    const int64_t product = int64_t{a} * b;
    if (product < INT32_MIN || product > INT32_MAX) Overflow();
    return static_cast<int32_t>(product);
}

}  // namespace wf
