#pragma once
// The recursive file lister behind "Get all files in folder": every file in a
// folder and below it, depth first, one full path per line.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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
