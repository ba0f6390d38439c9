#include <gtest/gtest.h>

#include "common/ErrorReport.h"
#include "common/OsVersion.h"
#include "fakes/FakePrompts.h"

namespace wf {
namespace {

TEST(ReportCommandError, ShowsDescriptionAndNumberUnderTheCommandTitle) {
    test::FakePrompts prompts;
    prompts.answers = {answer::Abort};
    ReportCommandError(prompts, CommandError(5, u"Invalid procedure call or argument"), u"Start Program");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, u"Start Program error");
    EXPECT_EQ(prompts.messages[0].text,
              u"An error occured while executing this command:\r\n\r\nInvalid procedure call or argument (5)");
    EXPECT_EQ(prompts.messages[0].style, 50);
}

TEST(ReportCommandError, EmptyDescriptionAndNegativeNumbers) {
    EXPECT_EQ(CommandErrorText(CommandError(53, u"")), u"An error occured while executing this command:\r\n\r\n (53)");
    EXPECT_EQ(CommandErrorText(CommandError(-2147467259, u"x")),
              u"An error occured while executing this command:\r\n\r\nx (-2147467259)");
}

TEST(ReportCommandError, MapsEveryAnswer) {
    const std::pair<int, ErrorChoice> cases[] = {
        {answer::Abort, ErrorChoice::Abort}, {answer::Retry, ErrorChoice::Retry},
        {answer::Ignore, ErrorChoice::Ignore}, {answer::Ok, ErrorChoice::Abort},
        {answer::Cancel, ErrorChoice::Abort}, {0, ErrorChoice::Abort}};
    for (auto [given, expected] : cases) {
        test::FakePrompts prompts;
        prompts.answers = {given};
        EXPECT_EQ(ReportCommandError(prompts, MakeError(err::Overflow), u"X"), expected) << given;
        EXPECT_EQ(static_cast<int>(expected), given == answer::Retry ? 1 : given == answer::Ignore ? 2 : 0);
    }
}

// A step that fails a given number of times before it succeeds.
struct FlakyStep {
    int failuresLeft;
    int runs = 0;
    void operator()() {
        ++runs;
        if (failuresLeft-- > 0) throw MakeError(err::FileNotFound);
    }
};

TEST(RunStep, RetryRunsTheStepAgainAsOftenAsAsked) {
    test::FakePrompts prompts;
    prompts.answers = {answer::Retry, answer::Retry, answer::Retry};
    FlakyStep step{3};
    EXPECT_EQ(RunStep(prompts, u"Cmd", std::ref(step)), StepResult::Done);
    EXPECT_EQ(step.runs, 4);
    EXPECT_EQ(prompts.messages.size(), 3u);
}

TEST(RunStep, AbortAndIgnoreEndTheStepAfterOneReport) {
    for (int a : {answer::Abort, answer::Ignore}) {
        test::FakePrompts prompts;
        prompts.answers = {a};
        FlakyStep step{100};
        const StepResult r = RunStep(prompts, u"Cmd", std::ref(step));
        EXPECT_EQ(r, a == answer::Abort ? StepResult::Aborted : StepResult::Ignored);
        EXPECT_EQ(step.runs, 1);
        EXPECT_EQ(prompts.messages.at(0).title, u"Cmd error");
    }
}

TEST(RunStep, ASucceedingStepShowsNothing) {
    test::FakePrompts prompts;
    FlakyStep step{0};
    EXPECT_EQ(RunStep(prompts, u"Cmd", std::ref(step)), StepResult::Done);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(IsWinNT2000, OnlyNtFiveAndLater) {
    EXPECT_TRUE(IsWinNT2000(OsVersionRecord{true, 5, 0, 2195, 2}));   // Windows 2000
    EXPECT_TRUE(IsWinNT2000(OsVersionRecord{true, 5, 1, 2600, 2}));   // XP
    EXPECT_TRUE(IsWinNT2000(OsVersionRecord{true, 10, 0, 19045, 2}));
    EXPECT_FALSE(IsWinNT2000(OsVersionRecord{true, 4, 0, 1381, 2}));  // NT 4.0
    EXPECT_FALSE(IsWinNT2000(OsVersionRecord{true, 4, 10, 1998, 1})); // 98
    EXPECT_FALSE(IsWinNT2000(OsVersionRecord{true, 5, 90, 3000, 1})); // Me-like: wrong family
    EXPECT_FALSE(IsWinNT2000(OsVersionRecord{false, 5, 1, 2600, 2})); // the call failed
}

}  // namespace
}  // namespace wf
