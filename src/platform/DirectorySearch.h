#pragma once
// The classic one-at-a-time directory search: one search at a time for the
// whole process, started with a pattern and an attribute mask and continued
// until it gives an empty name; and the query of one path's attributes.
#include <cstdint>
#include <string>
#include <string_view>

namespace wf {

namespace attr {
inline constexpr uint32_t ReadOnly = 1, Hidden = 2, System = 4, Directory = 16;
}

class DirectorySearch {
public:
    virtual ~DirectorySearch() = default;
    // Starts a new search, ending any running one. Ordinary files always
    // match; hidden, system and directory entries only when their bit is in
    // `attributes`. A pattern ending in a backslash searches that folder's
    // whole contents. Nothing found, a missing folder included, gives an
    // empty name; a pattern the system refuses throws CommandError.
    virtual std::u16string First(std::u16string_view pattern, uint32_t attributes) = 0;
    // The next name of the running search; empty at its end.
    virtual std::u16string Next() = 0;
    // Throws CommandError (53 file not found, ...) when they cannot be read.
    virtual uint32_t Attributes(std::u16string_view path) = 0;
};

}  // namespace wf
