#pragma once
// The recursive file lister behind "Get all files in folder": every file in a
// folder and below it, depth first, one full path per line.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DirectorySearch.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"

namespace wf {

inline constexpr std::u16string_view kFilesInFolderCommand = u"Files in Folder";
// How long the listing works between two turns of the window's events.
inline constexpr uint64_t kListingSliceMs = 15;

class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void Add(const std::u16string& line) = 0;
    // Shows what was added so far; called before events run.
    virtual void Flush() {}
};

// The lines of a listing in one block of text, each followed by a NUL: one
// allocation for many lines instead of one a line.
class LineStore {
public:
    void Add(std::u16string_view line);
    size_t Count() const { return starts_.size(); }
    // NUL-terminated; valid until the next Add or Clear.
    const char16_t* Line(size_t index) const { return text_.data() + starts_[index]; }
    size_t Length(size_t index) const;
    void Clear();

private:
    std::u16string text_;
    std::vector<size_t> starts_;
};

struct ListingServices {
    DirectorySearch& search;
    Prompts& prompts;
    EventPump& pump;
    std::function<uint64_t()> milliseconds;
};

// Lists `path` exactly as given (it should end with a backslash). Events run
// every kListingSliceMs; once `stop` is true (set from those events) the
// listing ends after the entry at hand. Returns false when it was stopped.
bool ListAllFiles(std::u16string_view path, LineSink& sink, ListingServices& services, const bool& stop);

}  // namespace wf
