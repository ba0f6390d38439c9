#pragma once
// The hard drive explorer's logic: the coupled drive, folder and file lists,
// the path label with its tag, the file pattern, and the six actions on the
// selected file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileOperations.h"
#include "platform/FolderLists.h"
#include "platform/Launcher.h"
#include "platform/Prompts.h"

namespace wf {

inline constexpr std::u16string_view kQuilletCommand = u"Quillet";
inline constexpr std::u16string_view kNoPath = u"[none]";

namespace action {
inline constexpr int16_t Shell = 0, Copy = 1, Delete = 2, Rename = 3, Move = 4, OpenWith = 5;
}

// The lower-case letter and colon, then the label in brackets when there is one.
std::u16string DriveDisplayName(const DriveEntry& drive);
// The folder followed by one backslash (none added at a root), then the name.
std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name);
// The folder with exactly one trailing backslash.
std::u16string FolderTag(std::u16string_view folder);

// A file pattern: several separated by ";", each with * and ?, letters in any
// case; "*.*" and any "x.*" also take names without a dot, as the system's
// own matching does. An empty pattern is "*.*".
class FilePattern {
public:
    explicit FilePattern(std::u16string_view text);
    bool Matches(std::u16string_view name) const;

private:
    std::vector<std::u16string> parts_;
};

struct FolderLine {
    std::u16string text;  // the name as the list shows it
    std::u16string path;  // the folder it opens
    int level = 0;        // indentation: 0 is the root
};

// The state behind the three lists and lblPath. Changes that fail throw
// CommandError and leave every list as it was.
class QuilletLists {
public:
    explicit QuilletLists(FolderLists& folders) : folders_(folders) {}

    // Form_Load: drive, folder and files of the program's folder.
    void Load(std::u16string_view programFolder);
    // drvFiles_Change: the drive's current folder, then the caption becomes
    // the drive's display name.
    void ChangeDrive(char16_t letter);
    // dirFiles_Change: the folder (typed or chosen) and its files.
    void ChangeFolder(std::u16string_view folder);
    // filFiles_Click, by index in Files().
    void ClickFile(size_t index);
    // txtFilter_Change: refills the file list; the selection goes.
    void SetFilter(std::u16string_view text);

    const std::vector<DriveEntry>& Drives() const { return drives_; }
    size_t DriveIndex() const { return driveIndex_; }
    const std::u16string& Folder() const { return folder_; }
    const std::vector<FolderLine>& FolderLines() const { return folderLines_; }
    // The line of the current folder in FolderLines().
    size_t CurrentFolderLine() const { return currentLine_; }
    const std::vector<std::u16string>& Files() const { return files_; }
    std::optional<size_t> SelectedFile() const { return selected_; }
    const std::u16string& Caption() const { return caption_; }
    const std::u16string& Tag() const { return tag_; }

private:
    void RefreshFiles();
    size_t DriveIndexOf(char16_t letter);

    FolderLists& folders_;
    std::vector<DriveEntry> drives_;
    size_t driveIndex_ = 0;
    std::u16string folder_;
    std::vector<FolderLine> folderLines_;
    size_t currentLine_ = 0;
    std::vector<std::u16string> allFiles_, files_;
    std::u16string filter_ = u"*.*";
    std::optional<size_t> selected_;
    std::u16string caption_{kNoPath}, tag_;
};

struct ActionServices {
    Prompts& prompts;
    Launcher& launcher;
    FileOperations& files;
};

// What an action works on: nothing when no file is selected.
struct ActionTarget {
    std::u16string path;      // the caption of lblPath
    std::u16string fileName;  // the selected entry of the file list
    std::u16string tag;       // the tag of lblPath
};

// filFiles_DblClick / cmdDo_Click. Failures go to the "Quillet" report; a
// Move or Rename whose copy did not succeed never deletes the source.
void DoQuilletAction(int16_t actionIndex, const std::optional<ActionTarget>& target, std::u16string_view openWith,
                     ActionServices& services);

}  // namespace wf
