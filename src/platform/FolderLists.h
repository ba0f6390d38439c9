#pragma once
// What the explorer's drive, folder and file lists show.
#include <string>
#include <string_view>
#include <vector>

namespace wf {

struct DriveEntry {
    char16_t letter = u'c';
    std::u16string label;  // volume label, or the network name of a mapped drive
};

struct FolderContents {
    // Hidden and system entries are left out; any order.
    std::vector<std::u16string> folders, files;
};

class FolderLists {
public:
    virtual ~FolderLists() = default;
    virtual std::vector<DriveEntry> Drives() = 0;
    // The full path of a folder given in any form (relative, with a trailing
    // backslash, "c:" for that drive's current folder), without a trailing
    // backslash unless it is a root. Throws CommandError when it is not a
    // folder that can be read: missing, no medium, network gone.
    virtual std::u16string FullFolderPath(std::u16string_view folder) = 0;
    // Throws CommandError when the folder cannot be read.
    virtual FolderContents Read(std::u16string_view folder) = 0;
};

}  // namespace wf
