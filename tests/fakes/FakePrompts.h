#pragma once
// Scripted prompts: each message box or input box takes the next answer and
// records what was shown.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace wf::test {

// The next scripted answer; a call nobody scripted is a test failure, not a default.
template <class T>
T TakeNext(std::deque<T>& answers, const char* unexpected) {
    if (answers.empty()) throw std::logic_error(unexpected);
    T next = std::move(answers.front());
    answers.pop_front();
    return next;
}

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
        return TakeNext(answers, "unexpected message box");
    }
    std::u16string InputBox(std::u16string_view prompt, std::u16string_view title,
                            std::u16string_view defaultText) override {
        inputBoxes.push_back({std::u16string(prompt), std::u16string(title), std::u16string(defaultText)});
        return TakeNext(inputs, "unexpected input box");
    }
};

}  // namespace wf::test
