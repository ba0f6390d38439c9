#pragma once
// Scripted prompts: each message box or input box takes the next answer and
// records what was shown.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace wf::test {

struct ShownMessage {
    std::u16string text, title;
    int style;
};

struct ShownInput {
    std::u16string prompt, title, defaultText;
};

class FakePrompts : public Prompts {
public:
    std::deque<int> answers;             // for message boxes
    std::deque<std::u16string> inputs;   // for input boxes
    std::vector<ShownMessage> messages;
    std::vector<ShownInput> inputBoxes;

    int MsgBox(std::u16string_view text, std::u16string_view title, int style) override {
        messages.push_back({std::u16string(text), std::u16string(title), style});
        if (answers.empty()) throw std::logic_error("unexpected message box");
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    std::u16string InputBox(std::u16string_view prompt, std::u16string_view title,
                            std::u16string_view defaultText) override {
        inputBoxes.push_back({std::u16string(prompt), std::u16string(title), std::u16string(defaultText)});
        if (inputs.empty()) throw std::logic_error("unexpected input box");
        auto s = inputs.front();
        inputs.pop_front();
        return s;
    }
};

}  // namespace wf::test
