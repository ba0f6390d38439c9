#include "common/modCommDlgs.h"

namespace wf {

std::u16string DialogFilter(std::u16string_view filter) {
    std::u16string f(filter);
    if (f.empty() || f.back() != u'\0') f += u'\0';
    f += u'\0';
    return f;
}

std::u16string FileNameBuffer(std::u16string_view initialFile) {
    std::u16string buffer(initialFile.substr(0, kFileBufferChars - 1));
    // A name cut inside a surrogate pair would end in half a character.
    if (initialFile.size() >= kFileBufferChars && !buffer.empty() && buffer.back() >= 0xD800 && buffer.back() < 0xDC00)
        buffer.pop_back();
    buffer.resize(kFileBufferChars, u'\0');
    return buffer;
}

std::u16string FileNameFromBuffer(std::u16string_view buffer) {
    return std::u16string(buffer.substr(0, buffer.find(u'\0')));
}

}  // namespace wf
