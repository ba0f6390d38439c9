#include "platform/win32/Win32DirectorySearch.h"

#include "platform/win32/Win32Errors.h"
#include "platform/win32/WideText.h"

namespace wf::win {

std::u16string Win32DirectorySearch::First(std::u16string_view pattern, uint32_t attributes) {
    find_.reset();
    haveLast_ = false;
    mask_ = attributes;
    std::u16string p(pattern);
    const size_t cut = p.find_last_of(u"\\/:");
    folder_ = cut == std::u16string::npos ? std::u16string() : p.substr(0, cut + 1);
    // FindFirstFileW takes no folder name ending in a backslash: such a
    // pattern means the folder's whole contents, as the classic Dir had it.
    if (!p.empty() && (p.back() == u'\\' || p.back() == u'/')) p += u'*';
    find_.reset(FindFirstFileExW(W(p), FindExInfoBasic, &data_, FindExSearchNameMatch, nullptr,
                                 FIND_FIRST_EX_LARGE_FETCH));
    if (!find_) {
        const DWORD code = GetLastError();
        // Nothing there, the folder missing included, is an empty result.
        if (p.empty() || code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ||
            code == ERROR_NO_MORE_FILES)
            return {};
        throw ErrorFromWin32(code);
    }
    return Take(true);
}

std::u16string Win32DirectorySearch::Next() {
    if (!find_) return {};
    return Take(FindNextFileW(find_.get(), &data_) != FALSE);
}

std::u16string Win32DirectorySearch::Take(bool haveEntry) {
    for (; haveEntry; haveEntry = FindNextFileW(find_.get(), &data_) != FALSE) {
        const DWORD a = data_.dwFileAttributes;
        if ((a & FILE_ATTRIBUTE_HIDDEN) && !(mask_ & attr::Hidden)) continue;
        if ((a & FILE_ATTRIBUTE_SYSTEM) && !(mask_ & attr::System)) continue;
        if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(mask_ & attr::Directory)) continue;
        lastName_ = U(data_.cFileName);
        lastAttributes_ = a;
        haveLast_ = true;
        return lastName_;
    }
    find_.reset();
    haveLast_ = false;
    return {};
}

uint32_t Win32DirectorySearch::Attributes(std::u16string_view path) {
    if (haveLast_ && path.size() == folder_.size() + lastName_.size() && path.substr(0, folder_.size()) == folder_ &&
        path.substr(folder_.size()) == lastName_)
        return lastAttributes_;
    const std::u16string p(path);
    const DWORD a = GetFileAttributesW(W(p));
    if (a == INVALID_FILE_ATTRIBUTES) throw ErrorFromWin32(GetLastError());
    return a;
}

}  // namespace wf::win
