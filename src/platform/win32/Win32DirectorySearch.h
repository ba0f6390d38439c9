#pragma once
#include <windows.h>

#include "platform/DirectorySearch.h"
#include "platform/win32/Handle.h"

namespace wf::win {

class Win32DirectorySearch : public DirectorySearch {
public:
    std::u16string First(std::u16string_view pattern, uint32_t attributes) override;
    std::u16string Next() override;
    uint32_t Attributes(std::u16string_view path) override;

private:
    // The next entry the mask lets through, or empty (and the search ended).
    std::u16string Take(bool haveEntry);

    UniqueFind find_;
    WIN32_FIND_DATAW data_{};
    uint32_t mask_ = 0;
    // The folder part of the running search's pattern and the entry last
    // given out: the attribute query that follows each entry is answered
    // from the search's own data, without a second trip to the file system.
    std::u16string folder_, lastName_;
    uint32_t lastAttributes_ = 0;
    bool haveLast_ = false;
};

}  // namespace wf::win
