#include "tools/text/KeyNotation.h"

#include <string>

#include "common/Errors.h"

namespace wf {
namespace {

struct NamedKey {
    std::u16string_view name;
    uint8_t vk;
};

// The documented names and their usual synonyms; F1 to F16 are read apart.
constexpr NamedKey kNamedKeys[] = {
    {u"BACKSPACE", vk::Back}, {u"BS", vk::Back},         {u"BKSP", vk::Back},          {u"BREAK", vk::Cancel},
    {u"CAPSLOCK", vk::Capital}, {u"DELETE", vk::Delete}, {u"DEL", vk::Delete},         {u"DOWN", vk::Down},
    {u"END", vk::End},        {u"ENTER", vk::Return},    {u"ESC", vk::Escape},         {u"ESCAPE", vk::Escape},
    {u"HELP", vk::Help},      {u"HOME", vk::Home},       {u"INSERT", vk::Insert},      {u"INS", vk::Insert},
    {u"LEFT", vk::Left},      {u"NUMLOCK", vk::NumLock}, {u"PGDN", vk::PageDown},      {u"PGUP", vk::PageUp},
    {u"PRTSC", vk::Snapshot}, {u"RIGHT", vk::Right},     {u"SCROLLLOCK", vk::Scroll},  {u"TAB", vk::Tab},
    {u"UP", vk::Up},          {u"ADD", vk::Add},         {u"SUBTRACT", vk::Subtract},  {u"MULTIPLY", vk::Multiply},
    {u"DIVIDE", vk::Divide}};

[[noreturn]] void Broken() { throw MakeError(err::InvalidCall); }

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

// A run of decimal digits, or -1 when the text is not one.
int Digits(std::u16string_view s, int limit) {
    if (s.empty() || s.size() > 5) return -1;
    int n = 0;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9') return -1;
        n = n * 10 + (c - u'0');
    }
    return n <= limit ? n : -1;
}

// The key a braced name stands for: a single character types itself.
KeyStroke NamedStroke(std::u16string_view name) {
    if (name.size() == 1) return KeyStroke{0, name[0], 0};
    for (const NamedKey& k : kNamedKeys)
        if (SameName(name, k.name)) return KeyStroke{k.vk, 0, 0};
    if (Upper(name[0]) == u'F') {
        const int n = Digits(name.substr(1), 16);
        if (n >= 1) return KeyStroke{static_cast<uint8_t>(vk::F1 + n - 1), 0, 0};
    }
    Broken();
}

class Parser {
public:
    explicit Parser(std::u16string_view text) : text_(text) {}

    std::vector<KeyStroke> Run() {
        while (pos_ < text_.size()) {
            const char16_t c = text_[pos_++];
            switch (c) {
            case u'+': pending_ |= keymod::Shift; modifierWaiting_ = true; break;
            case u'^': pending_ |= keymod::Ctrl; modifierWaiting_ = true; break;
            case u'%': pending_ |= keymod::Alt; modifierWaiting_ = true; break;
            case u'~': Emit(KeyStroke{vk::Return, 0, 0}, 1); break;
            case u'(':
                // The group's keys all get the modifiers typed before it.
                groups_.push_back(Held());
                pending_ = 0;
                modifierWaiting_ = false;
                break;
            case u')':
                if (groups_.empty() || modifierWaiting_) Broken();
                groups_.pop_back();
                break;
            case u'{': Brace(); break;
            case u'}': Broken();
            default: Emit(KeyStroke{0, c, 0}, 1); break;
            }
        }
        if (!groups_.empty() || modifierWaiting_) Broken();
        return std::move(keys_);
    }

private:
    uint8_t Held() const { return static_cast<uint8_t>((groups_.empty() ? 0 : groups_.back()) | pending_); }

    void Emit(KeyStroke key, int times) {
        key.mods = Held();
        for (int i = 0; i < times; ++i) keys_.push_back(key);
        pending_ = 0;
        modifierWaiting_ = false;
    }

    void Brace() {
        const size_t start = pos_;
        if (start >= text_.size()) Broken();
        // "{}}" names the closing brace itself: its name starts with one.
        const size_t end = text_.find(u'}', text_[start] == u'}' ? start + 1 : start);
        if (end == std::u16string_view::npos) Broken();
        const std::u16string_view inner = text_.substr(start, end - start);
        pos_ = end + 1;
        if (inner.empty()) Broken();
        // "{h 10}": a name, one blank, a count; "{ }" is the space bar.
        const size_t blank = inner.find(u' ', 1);
        int times = 1;
        if (blank != std::u16string_view::npos) {
            times = Digits(inner.substr(blank + 1), kMaxKeyRepeat);
            if (times < 0) Broken();
        }
        Emit(NamedStroke(inner.substr(0, blank)), times);
    }

    std::u16string_view text_;
    size_t pos_ = 0;
    std::vector<KeyStroke> keys_;
    std::vector<uint8_t> groups_;  // the modifiers each open group holds
    uint8_t pending_ = 0;          // typed for the next key or group
    bool modifierWaiting_ = false;
};

}  // namespace

std::vector<KeyStroke> ParseKeys(std::u16string_view text) { return Parser(text).Run(); }

}  // namespace wf
