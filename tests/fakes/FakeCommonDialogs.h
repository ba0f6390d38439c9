#pragma once
// Scripted file and colour dialogs that record their arguments.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/CommonDialogs.h"

namespace wf::test {

class FakeCommonDialogs : public CommonDialogs {
public:
    struct FileCall {
        uintptr_t owner;
        int16_t openFlag;
        std::u16string title, initialFile, filter, initialDir, defaultExt;
    };
    std::deque<std::u16string> files;          // next results; "" is Cancel
    std::deque<std::optional<Colour>> colours;  // nullopt is Cancel
    std::vector<FileCall> fileCalls;
    int colourCalls = 0;

    std::u16string ShowOpenSaveDialog(uintptr_t owner, int16_t openFlag, std::u16string_view title,
                                      std::u16string_view initialFile, std::u16string_view filter,
                                      std::u16string_view initialDir, std::u16string_view defaultExt) override {
        fileCalls.push_back({owner, openFlag, std::u16string(title), std::u16string(initialFile),
                             std::u16string(filter), std::u16string(initialDir), std::u16string(defaultExt)});
        if (files.empty()) throw std::logic_error("unexpected file dialog");
        auto r = files.front();
        files.pop_front();
        return r;
    }
    bool ShowColorDialog(uintptr_t, ColourTarget& control) override {
        ++colourCalls;
        if (colours.empty()) throw std::logic_error("unexpected colour dialog");
        auto c = colours.front();
        colours.pop_front();
        if (!c) return false;
        control.SetBackColor(*c);
        return true;
    }
};

}  // namespace wf::test
