// Tests of the number check, the scoring rule, the candidate list and the small helpers.
#include "rules/number_rules.h"

#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/guess_pictures.h"
#include "rules/random_fractions.h"
#include "rules/twips.h"

#include <gtest/gtest.h>

namespace duel {
namespace {

struct CheckCase {
    const char* text;
    const char* message;  // nullptr: valid
};

TEST(NumberCheck, ReportsTheFirstFailingCheckInOrder) {
    const CheckCase
        cases[] =
            {
                {"1234", nullptr},     {"9876", nullptr},    {"123", kMsgLength},
                {"12345", kMsgLength}, {"", kMsgLength},     {"12a4", kMsgDigits},
                {"a000", kMsgDigits},                       // the digit check runs before the zero check
                {"0123", kMsgZero},    {"1100", kMsgZero},  // the zero check runs before the repeat check
                {"1123", kMsgRepeat},  {"1224", kMsgRepeat}, {"1231", kMsgRepeat},
                {"١٢٣٤", kMsgDigits},  // four non-ASCII digits are four characters, not digits
                {"абвг", kMsgDigits},  {"абв", kMsgLength},
            };
    for (const auto& c : cases) {
        const auto failure = CheckNumber(c.text);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure) << c.text;
        } else {
            EXPECT_EQ(failure.value_or("(valid)"), c.message) << c.text;
        }
    }
}

TEST(Scoring, CountsExactAndPartialDigits) {
    struct Case {
        const char* guess;
        const char* secret;
        Score score;
    };
    const Case cases[] = {
        {"1234", "1243", {2, 2}}, {"1234", "5678", {0, 0}}, {"1234", "4321", {0, 4}}, {"1234", "1234", {4, 0}},
        {"1234", "2156", {0, 2}}, {"5678", "5687", {2, 2}}, {"1234", "9231", {2, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(ScoreGuess(c.guess, c.secret), c.score) << c.guess << " " << c.secret;
}

TEST(Candidates, AreTheGamesNumbersInAscendingOrder) {
    CandidateList list{};
    int calls = 0;
    const int32_t count = BuildCandidateList(list, [&](int32_t) { ++calls; });
    EXPECT_EQ(count, 3024);
    EXPECT_EQ(calls, 9999 - 1111 + 1);  // after every number, taken or not
    EXPECT_EQ(list[0], 0);              // slot 0 is never used
    EXPECT_EQ(list[1], 1234);
    EXPECT_EQ(list[3024], 9876);
    for (int i = 1; i <= count; ++i) {
        EXPECT_FALSE(CheckNumber(NumberText(list[static_cast<size_t>(i)]))) << list[static_cast<size_t>(i)];
        if (i > 1) {
            EXPECT_LT(list[static_cast<size_t>(i - 1)], list[static_cast<size_t>(i)]);
        }
    }
}

TEST(Filter, KeepsExactlyTheNumbersThatGiveTheAnswer) {
    CandidateList list{};
    int32_t count = BuildCandidateList(list, [](int32_t) {});
    int visited = 0;
    count = FilterCandidates(list, count, "1234", Score{0, 0}, [&](int32_t) { ++visited; });
    EXPECT_EQ(visited, 3024);
    EXPECT_EQ(count, 120);  // four different digits out of 5..9: 5*4*3*2
    for (int i = 1; i <= count; ++i) {
        for (char c : NumberText(list[static_cast<size_t>(i)])) EXPECT_GE(c, '5');
        if (i > 1) {
            EXPECT_LT(list[static_cast<size_t>(i - 1)], list[static_cast<size_t>(i)]);
        }
    }

    // Every answer the secret gives keeps the secret; narrowing ends at it.
    const std::string secret = "8349";
    count = BuildCandidateList(list, [](int32_t) {});
    for (const char* guess : {"1234", "5678", "9123", "3894", "8394"}) {
        count = FilterCandidates(list, count, guess, ScoreGuess(guess, secret), [](int32_t) {});
        bool found = false;
        for (int i = 1; i <= count; ++i) found |= NumberText(list[static_cast<size_t>(i)]) == secret;
        EXPECT_TRUE(found) << guess;
    }
}

TEST(Filter, ContradictingAnswersLeaveNothing) {
    CandidateList list{};
    int32_t count = BuildCandidateList(list, [](int32_t) {});
    EXPECT_EQ(FilterCandidates(list, count, "1234", Score{3, 1}, [](int32_t) {}), 0);
    count = BuildCandidateList(list, [](int32_t) {});
    EXPECT_EQ(FilterCandidates(list, count, "", Score{0, 0}, [](int32_t) {}), 0);
}

TEST(DrawIndex, StaysInsideTheList) {
    EXPECT_EQ(DrawIndex(0.0, 3024), 1);
    EXPECT_EQ(DrawIndex(0.99999999999, 3024), 3024);
    EXPECT_EQ(DrawIndex(1.0, 3024), 3024);  // never past the end, even for a bad fraction
    EXPECT_EQ(DrawIndex(-0.5, 10), 1);
    EXPECT_EQ(DrawIndex(0.5, 1), 1);  // one candidate left is the guess for sure
    EXPECT_EQ(DrawIndex(0.5, 10), 6);
}

TEST(RandomFractions, AreBelowOneAndTheSameEveryRun) {
    RandomFractions first, second;
    for (int i = 0; i < 100000; ++i) {
        const double f = first.next();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
        ASSERT_EQ(f, second.next());
    }
}

TEST(HistoryLine, HasTheGuessInCharactersSixToNine) {
    const std::string line = HistoryLine("1234", 2, 1);
    EXPECT_EQ(line, "|    1234   |  2  |  1  |");
    EXPECT_EQ(line.substr(5, 4), "1234");
}

TEST(ClockText, ShowsMinutesAndSeconds) {
    EXPECT_EQ(ClockText(0), "00:00");
    EXPECT_EQ(ClockText(59), "00:59");
    EXPECT_EQ(ClockText(60), "01:00");
    EXPECT_EQ(ClockText(249), "04:09");
    EXPECT_EQ(ClockText(123 * 60 + 5), "123:05");
    EXPECT_EQ(ClockText(-5), "00:00");
    // The panel (and a record's time) says "стоим" while no clock is shown.
    EXPECT_EQ(ClockPanelText(std::nullopt), "стоим");
    EXPECT_EQ(ClockPanelText(83), "01:23");
}

// Foreign text reaches a guess only past the keypad; it must neither break the
// display nor leave half a character behind.
TEST(GuessDisplays, ShowDigitsRightAlignedAndAnythingElseAsDashes) {
    const std::array<int, 4> zeros{};
    EXPECT_EQ(ComposedGuessPictures(""), zeros);
    EXPECT_EQ(ComposedGuessPictures("12"), (std::array<int, 4>{0, 0, 1, 2}));
    EXPECT_EQ(ComposedGuessPictures("7\xD0\xAF"), (std::array<int, 4>{0, 0, 7, kDashPicture}));  // "7Я"
    EXPECT_EQ(ComposedGuessPictures("123456"), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(ComputerGuessPictures(""), zeros);
    EXPECT_EQ(ComputerGuessPictures("9876"), (std::array<int, 4>{9, 8, 7, 6}));
    EXPECT_EQ(ComputerGuessPictures(kErrorGuess), (std::array<int, 4>{10, 10, 10, 10}));

    std::string guess = "1\xD0\xAF";  // "1Я"
    EXPECT_EQ(CharacterCount(guess), 2u);
    DropLastCharacter(guess);
    EXPECT_EQ(guess, "1");
    DropLastCharacter(guess);
    DropLastCharacter(guess);
    EXPECT_EQ(guess, "");
}

TEST(Twips, ConvertAtFifteenPerPixel) {
    EXPECT_EQ(TwipsToPixels(4350), 290);
    EXPECT_EQ(TwipsToPixels(2775), 185);
    EXPECT_EQ(TwipsToPixels(1100), 73);
    EXPECT_EQ(TwipsToPixels(-1500), -100);
    EXPECT_EQ(PixelsToTwips(TwipsToPixels(1500)), 1500);
}

}  // namespace
}  // namespace duel
