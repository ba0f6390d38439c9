#include "tools/text/SendKeys.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "common/ErrorReport.h"
#include "common/LenientNumber.h"
#include "common/Text.h"

namespace wf {
namespace {

char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool EqualFolded(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return Fold(x) == Fold(y);
           });
}

// 0 equal, 1 equal but for case, 2 begins with, 3 begins with but for case.
int Rank(std::u16string_view candidate, std::u16string_view title) {
    if (candidate == title) return 0;
    if (EqualFolded(candidate, title)) return 1;
    if (candidate.substr(0, title.size()) == title) return 2;
    if (candidate.size() >= title.size() && EqualFolded(candidate.substr(0, title.size()), title)) return 3;
    return 4;
}

}  // namespace

std::optional<size_t> ChooseWindowByTitle(const std::vector<std::u16string>& titles, std::u16string_view title) {
    if (title.empty()) return std::nullopt;
    std::optional<size_t> best;
    int bestRank = 4;
    for (size_t i = 0; i < titles.size(); ++i) {
        const int r = Rank(titles[i], title);
        if (r < bestRank) {
            bestRank = r;
            best = i;
        }
    }
    return best;
}

void SendKeysCommand(Prompts& prompts, Keyboard& keyboard, std::u16string_view progName,
                     std::u16string_view howMany, const std::function<std::u16string()>& readText) {
    if (RunStep(prompts, kSendKeysCommand, [&] { keyboard.AppActivate(progName); }) == StepResult::Aborted) return;
    double count = 0;  // stays 0 when an unreadable count is ignored
    if (RunStep(prompts, kSendKeysCommand, [&] { count = ReadLenientNumber(howMany); }) == StepResult::Aborted)
        return;
    // Counted in whole rounds, so a count beyond a double's whole numbers
    // cannot stall the counter.
    const uint64_t rounds = count >= 1 ? static_cast<uint64_t>(std::floor(std::min(count, 1e18))) : 0;
    for (uint64_t i = 1; i <= rounds; ++i)
        if (RunStep(prompts, kSendKeysCommand, [&] { keyboard.SendKeys(readText()); }) == StepResult::Aborted)
            return;
}

std::u16string NumberText(double value) {
    if (value == 0) return u"0";  // no "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    return ToU16(buf);
}

CountBoxEdit NormaliseCount(std::u16string_view text, size_t caret) {
    CountBoxEdit edit{std::u16string(text), caret};
    bool zero = false;
    try {
        const double value = ReadLenientNumber(text);
        edit.text = NumberText(value);
        zero = value == 0;
    } catch (const CommandError&) {
        // Errors here are passed over: the text stays.
    }
    edit.caret = zero ? 1 : std::min(caret, edit.text.size());
    return edit;
}

}  // namespace wf
