#include "tools/files/FilesInFolder.h"

#include <vector>

#include "common/ErrorReport.h"

namespace wf {
namespace {

// One folder's call: the length of its path in the current path, and once
// read, its subfolders still to list.
struct Level {
    size_t pathLength = 0;
    std::vector<std::u16string> subfolders;
    size_t next = 0;
};

class Lister {
public:
    Lister(LineSink& sink, ListingServices& s, const bool& stop)
        : sink_(sink), s_(s), stop_(stop), lastPump_(s.milliseconds()) {}

    bool Run(std::u16string_view path) {
        // An explicit stack rather than recursion, so a deep tree cannot
        // exhaust the thread's stack; and one path for all levels, each
        // level keeping only its length, so memory grows with the depth and
        // the names waiting at each level, not with the square of the depth.
        path_.assign(path);
        std::vector<Level> stack;
        stack.push_back({path_.size(), {}, 0});
        if (!ReadFolder(stack.back())) stack.pop_back();
        while (!stack.empty() && !stop_) {
            Level& top = stack.back();
            if (top.next == top.subfolders.size()) {
                stack.pop_back();
                continue;
            }
            path_.resize(top.pathLength);
            path_.append(top.subfolders[top.next]).append(u"\\");
            // A listed subfolder's name is not needed again.
            std::u16string().swap(top.subfolders[top.next++]);
            stack.push_back({path_.size(), {}, 0});
            // Abort leaves this folder's call only: the caller goes on.
            if (!ReadFolder(stack.back())) stack.pop_back();
        }
        sink_.Flush();
        return !stop_;
    }

private:
    // Reads one folder to its end, listing its files and keeping its
    // subfolders; false when the user aborted it or the listing was stopped.
    bool ReadFolder(Level& level) {
        std::u16string entry;
        path_.resize(level.pathLength);
        const StepResult first = RunStep(s_.prompts, kFilesInFolderCommand,
                                         [&] { entry = s_.search.First(path_, attr::Directory); });
        if (first == StepResult::Aborted) return false;
        while (!entry.empty()) {
            if (entry != u"." && entry != u"..") {
                uint32_t attributes = 0;
                path_.resize(level.pathLength);
                path_ += entry;
                const StepResult query = RunStep(s_.prompts, kFilesInFolderCommand,
                                                 [&] { attributes = s_.search.Attributes(path_); });
                if (query == StepResult::Aborted) return false;
                if (query == StepResult::Done) {
                    if (attributes & attr::Directory) {
                        level.subfolders.push_back(entry);
                    } else {
                        sink_.Add(path_);
                    }
                }
                if (!LetEventsRun()) return false;
            }
            entry = s_.search.Next();
        }
        return true;
    }

    // Events run once a time slice has passed, not after every entry, so a
    // long listing stays fast; the stop is looked at after every entry.
    bool LetEventsRun() {
        const uint64_t now = s_.milliseconds();
        if (now - lastPump_ >= kListingSliceMs) {
            sink_.Flush();
            s_.pump.DoEvents();
            lastPump_ = s_.milliseconds();
        }
        return !stop_;
    }

    LineSink& sink_;
    ListingServices& s_;
    const bool& stop_;
    uint64_t lastPump_;
    std::u16string path_;  // the folder at hand, then the entry at hand
};

}  // namespace

void LineStore::Add(std::u16string_view line) {
    starts_.push_back(text_.size());
    text_.append(line).push_back(u'\0');
}

size_t LineStore::Length(size_t index) const {
    const size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    return end - starts_[index] - 1;
}

void LineStore::Clear() {
    std::u16string().swap(text_);
    std::vector<size_t>().swap(starts_);
}

bool ListAllFiles(std::u16string_view path, LineSink& sink, ListingServices& services, const bool& stop) {
    return Lister(sink, services, stop).Run(path);
}

}  // namespace wf
