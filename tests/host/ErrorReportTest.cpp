#include <gtest/gtest.h>

#include "common/ErrorReport.h"
#include "common/OsVersion.h"
#include "fakes/FakePrompts.h"

namespace wf {
namespace {

TEST(ReportCommandError, ShowsDescriptionAndNumberUnderTheCommandTitleAndMapsEveryAnswer) {
    const CommandError overflow = MakeError(err::Overflow);
    const struct { CommandError error; int given; ErrorChoice choice; std::u16string shown; } cases[] = {
        {CommandError(5, u"Invalid procedure call or argument"), answer::Abort, ErrorChoice::Abort,
         u"Invalid procedure call or argument (5)"},
        {CommandError(53, u""), answer::Retry, ErrorChoice::Retry, u" (53)"},
        {CommandError(-2147467259, u"x"), answer::Ignore, ErrorChoice::Ignore, u"x (-2147467259)"},
        {overflow, answer::Ok, ErrorChoice::Abort, u"Overflow (6)"},
        {overflow, answer::Cancel, ErrorChoice::Abort, u"Overflow (6)"}, {overflow, 0, ErrorChoice::Abort, u"Overflow (6)"}};
    for (const auto& c : cases) {
        test::FakePrompts prompts;
        prompts.answers = {c.given};
        EXPECT_EQ(ReportCommandError(prompts, c.error, u"Start Program"), c.choice) << c.given;
        const auto& m = prompts.messages.at(0);  // a second box would find no answer and throw
        EXPECT_EQ(std::tie(m.title, m.text, m.style),
                  std::make_tuple(u"Start Program error",
                                  u"An error occured while executing this command:\r\n\r\n" + c.shown, 50));
    }
}

TEST(RunStep, RetryAsOftenAsAskedAbortAndIgnoreEnd) {
    const std::tuple<std::deque<int>, int, int, StepResult> cases[] = {  // answers, failures, runs, result
        {{answer::Retry, answer::Retry, answer::Retry}, 3, 4, StepResult::Done},
        {{answer::Abort}, 100, 1, StepResult::Aborted}, {{answer::Ignore}, 100, 1, StepResult::Ignored},
        {{}, 0, 1, StepResult::Done}};  // a succeeding step shows nothing
    for (const auto& [answers, failures, runs, result] : cases) {
        test::FakePrompts prompts;
        prompts.answers = answers;
        int ran = 0;
        auto step = [&, left = failures]() mutable {
            ++ran;
            if (left-- > 0) throw MakeError(err::FileNotFound);
        };
        EXPECT_EQ(RunStep(prompts, u"Cmd", step), result);
        EXPECT_TRUE(ran == runs && prompts.messages.size() == answers.size()) << ran;  // one report per failure
        for (const auto& m : prompts.messages) EXPECT_EQ(m.title, u"Cmd error");
    }
}

TEST(IsWinNT2000, OnlyNtFiveAndLater) {
    const std::pair<OsVersionRecord, bool> cases[] = {
        {{true, 5, 0, 2195, 2}, true}, {{true, 5, 1, 2600, 2}, true}, {{true, 10, 0, 19045, 2}, true},  // 2000, XP, 10
        {{true, 4, 0, 1381, 2}, false}, {{true, 4, 10, 1998, 1}, false},                               // NT 4.0, 98
        {{true, 5, 90, 3000, 1}, false}, {{false, 5, 1, 2600, 2}, false}};  // Me-like (wrong family), failed call
    for (const auto& [v, nt5] : cases)
        EXPECT_EQ(IsWinNT2000(v), nt5) << v.ok << ' ' << v.majorVersion << '.' << v.minorVersion;
}

}  // namespace
}  // namespace wf
