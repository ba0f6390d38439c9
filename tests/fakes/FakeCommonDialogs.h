#pragma once
// Scripted file and colour dialogs that record their arguments.
#include <optional>

#include "fakes/FakePrompts.h"
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
        return TakeNext(files, "unexpected file dialog");
    }
    bool ShowColorDialog(uintptr_t, ColourTarget& control) override {
        ++colourCalls;
        const auto c = TakeNext(colours, "unexpected colour dialog");
        if (c) control.SetBackColor(*c);
        return c.has_value();
    }
};

}  // namespace wf::test
