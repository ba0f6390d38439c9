#pragma once
#include "platform/FolderLists.h"

namespace wf::win {

class Win32FolderLists : public FolderLists {
public:
    std::vector<DriveEntry> Drives() override;
    std::u16string FullFolderPath(std::u16string_view folder) override;
    FolderContents Read(std::u16string_view folder) override;
};

}  // namespace wf::win
