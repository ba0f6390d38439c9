#pragma once
// Starting a command line as a new process, without waiting for it.
#include <string_view>

namespace wf {

namespace sw {
inline constexpr int ShowNormal = 1, ShowMaximized = 3;
}

class Launcher {
public:
    virtual ~Launcher() = default;
    // Throws CommandError on failure; a program that does not exist is 53.
    virtual void Start(std::u16string_view commandLine, int windowStyle) = 0;
};

}  // namespace wf
