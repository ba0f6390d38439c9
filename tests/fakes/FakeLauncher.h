#pragma once
// Records started command lines; fails the first `failures` starts.
#include <string>
#include <vector>

#include "common/Errors.h"
#include "platform/Launcher.h"

namespace wf::test {

class FakeLauncher : public Launcher {
public:
    struct Attempt { std::u16string commandLine; int windowStyle; };
    std::vector<Attempt> attempts;  // every call, failed or not
    int failures = 0;              // how many of the next calls fail

    void Start(std::u16string_view commandLine, int windowStyle) override {
        attempts.push_back({std::u16string(commandLine), windowStyle});
        if (failures > 0 && failures--) throw MakeError(err::FileNotFound);
    }
};

}  // namespace wf::test
