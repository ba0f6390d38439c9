#include "tools/files/Quillet.h"

#include <algorithm>

#include "common/ErrorReport.h"
#include "tools/files/CaseFold.h"

namespace wf {
namespace {

bool EndsWithBackslash(std::u16string_view s) { return !s.empty() && s.back() == u'\\'; }

// A * matches any run of characters, a ? any one.
bool Wildcard(std::u16string_view pattern, std::u16string_view name) {
    size_t p = 0, n = 0, star = std::u16string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

// The root of a full path: "C:\" or "\\server\share\".
size_t RootLength(std::u16string_view path) {
    if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
        size_t slash = path.find(u'\\', 2);
        if (slash != std::u16string_view::npos) slash = path.find(u'\\', slash + 1);
        return slash == std::u16string_view::npos ? path.size() : slash + 1;
    }
    return std::min<size_t>(path.size(), 3);
}

void SortNoCase(std::vector<std::u16string>& names) {
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return LessNoCase(a, b); });
}

}  // namespace

std::u16string DriveDisplayName(const DriveEntry& drive) {
    std::u16string s{FoldCase(drive.letter), u':'};
    if (!drive.label.empty()) s.append(u" [").append(drive.label).append(u"]");
    return s;
}

std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name) {
    std::u16string s(folder);
    if (!EndsWithBackslash(s)) s += u'\\';
    return s.append(name);
}

std::u16string FolderTag(std::u16string_view folder) { return PathInFolder(folder, u""); }

FilePattern::FilePattern(std::u16string_view text) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u';', start);
        if (end == std::u16string_view::npos) end = text.size();
        std::u16string_view part = text.substr(start, end - start);
        while (!part.empty() && part.front() == u' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == u' ') part.remove_suffix(1);
        if (!part.empty()) parts_.emplace_back(part);
        start = end + 1;
    }
    if (parts_.empty()) parts_.emplace_back(u"*.*");
}

bool FilePattern::Matches(std::u16string_view name) const {
    for (const auto& part : parts_) {
        if (Wildcard(part, name)) return true;
        // "readme.*" takes "readme" as well: a missing extension is an empty one.
        const std::u16string_view p(part);
        if (p.size() >= 2 && p.substr(p.size() - 2) == u".*" && name.find(u'.') == std::u16string_view::npos &&
            Wildcard(p.substr(0, p.size() - 2), name))
            return true;
    }
    return false;
}

void QuilletLists::Load(std::u16string_view programFolder) {
    drives_ = folders_.Drives();
    ChangeFolder(programFolder);
}

size_t QuilletLists::DriveIndexOf(char16_t letter) {
    for (size_t i = 0; i < drives_.size(); ++i)
        if (FoldCase(drives_[i].letter) == FoldCase(letter)) return i;
    return driveIndex_;
}

void QuilletLists::ChangeDrive(char16_t letter) {
    const std::u16string drive{letter, u':'};
    ChangeFolder(drive);  // the drive's current folder; throws before any change
    driveIndex_ = DriveIndexOf(letter);
    if (driveIndex_ < drives_.size()) caption_ = DriveDisplayName(drives_[driveIndex_]);
}

void QuilletLists::ChangeFolder(std::u16string_view folder) {
    std::u16string full = folders_.FullFolderPath(folder);
    FolderContents contents = folders_.Read(full);
    SortNoCase(contents.folders);
    SortNoCase(contents.files);

    // The folder's ancestors from its root down, then its subfolders.
    std::vector<FolderLine> lines;
    const size_t root = RootLength(full);
    lines.push_back({full.substr(0, root), full.substr(0, root), 0});
    for (size_t start = root; start < full.size();) {
        size_t end = full.find(u'\\', start);
        if (end == std::u16string::npos) end = full.size();
        if (end > start)
            lines.push_back({full.substr(start, end - start), full.substr(0, end), static_cast<int>(lines.size())});
        start = end + 1;
    }
    const size_t current = lines.size() - 1;
    const int subLevel = static_cast<int>(lines.size());
    for (auto& name : contents.folders) lines.push_back({name, PathInFolder(full, name), subLevel});

    folder_ = std::move(full);
    folderLines_ = std::move(lines);
    currentLine_ = current;
    allFiles_ = std::move(contents.files);
    if (folder_.size() >= 2 && folder_[1] == u':') driveIndex_ = DriveIndexOf(folder_[0]);
    RefreshFiles();
    caption_ = folder_;
    tag_ = FolderTag(folder_);
}

void QuilletLists::RefreshFiles() {
    const FilePattern pattern(filter_);
    files_.clear();
    for (const auto& name : allFiles_)
        if (pattern.Matches(name)) files_.push_back(name);
    selected_.reset();
}

void QuilletLists::ClickFile(size_t index) {
    if (index >= files_.size()) return;
    selected_ = index;
    caption_ = PathInFolder(folder_, files_[index]);
}

void QuilletLists::SetFilter(std::u16string_view text) {
    filter_ = text.empty() ? std::u16string(u"*.*") : std::u16string(text);
    // A new pattern reads the folder again, as a file list does; a folder
    // gone meanwhile keeps the names last read.
    try {
        FolderContents contents = folders_.Read(folder_);
        SortNoCase(contents.files);
        allFiles_ = std::move(contents.files);
    } catch (const CommandError&) {
    }
    RefreshFiles();
}

void DoQuilletAction(int16_t actionIndex, const std::optional<ActionTarget>& target, std::u16string_view openWith,
                     ActionServices& s) {
    if (!target) return;
    const std::u16string& path = target->path;
    const auto step = [&s](auto&& f) { return RunStep(s.prompts, kQuilletCommand, f); };
    // Move and Rename: the source goes only once its copy exists. After a
    // failed copy, Ignore ends the action as Abort does, since the delete
    // would destroy the only copy of the file.
    const auto copyThenDelete = [&](const std::u16string& to) {
        if (step([&] { s.files.Copy(path, to); }) != StepResult::Done) return;
        step([&] { s.files.Delete(path); });
    };
    switch (actionIndex) {
    case action::Shell:
        step([&] { s.launcher.Start(path, sw::ShowNormal); });
        break;
    case action::Copy: {
        const std::u16string to =
            s.prompts.InputBox(u"Please enter a path and filename to copy " + path + u" to:", u"Copy to?", u"");
        step([&] { s.files.Copy(path, to); });
        break;
    }
    case action::Delete:
        if (s.prompts.MsgBox(u"Are you sure you want to delete " + path +
                                 u"? YOU WILL NOT BE ABLE TO RETRIEVE IT AFTER IT IS DELETED!",
                             u"DELETE", mb::Exclamation + mb::YesNo) == answer::Yes)
            step([&] { s.files.Delete(path); });
        break;
    case action::Rename: {
        const std::u16string name =
            s.prompts.InputBox(u"Please type in the new FILENAME for " + target->fileName + u":", u"Filename", u"");
        // An empty answer would name the folder itself: the copy fails.
        copyThenDelete(target->tag + name);
        break;
    }
    case action::Move:
        copyThenDelete(
            s.prompts.InputBox(u"Please enter a path and filename to move " + path + u" to:", u"Move to?", u""));
        break;
    case action::OpenWith: {
        const std::u16string line = std::u16string(openWith) + u" " + path;
        step([&] { s.launcher.Start(line, sw::ShowNormal); });
        break;
    }
    default:
        s.prompts.MsgBox(u"Invalid what-to-cmdDo index!", u"", mb::OkOnly);
        break;
    }
}

}  // namespace wf
