// Tests of the lesson after a game: its counts on a game worked out by brute force over all 3024 numbers.
#include "rules/game_lesson.h"

#include "rules/hint.h"

#include <gtest/gtest.h>

#include <vector>

namespace duel {
namespace {

// The computer's number is 1234.  Counted over every number by a separate
// brute-force script: the numbers that fit before and after each move, the
// first earlier move each guess contradicts, and the sums of squared answer
// buckets of the guess and of the best guess among the numbers that fitted.
// The numbers left on average count a guess that is the number as leaving
// none: a guess that could win, and the best one always could, has its own
// bucket of one taken off.
//   move guess answer  before after  contradicts  split     best      mean (best)
//   1    5678  0 0     3024   120    -            1625782   1625782   537,6 (537,6)
//   2    1359  1 1      120    24    1               3224      3574    26,9 (29,8)   better than any fitting one
//   3    2143  0 4       24     4    2                138       108     5,8 (4,5)
//   4    9123  0 3        4     3    2                 10         4     2,5 (0,8)
//   5    1243  2 2        3     1    3                  3         3     1,0 (0,7)   splits as well, cannot win
//   6    1234  4 0        1     1    -                  1         1     0,0 (0,0)
const std::vector<Move> kGame = {
    {"5678", {0, 0}}, {"1359", {1, 1}}, {"2143", {0, 4}}, {"9123", {0, 3}}, {"1243", {2, 2}}, {"1234", {4, 0}},
};

TEST(GameLesson, CountsOfAKnownGame) {
    const std::vector<MoveLesson> lesson = LessonOf(kGame);
    const std::vector<MoveLesson> expected = {
        {3024, 120, std::nullopt, 1625782, 1625782, true},
        {120, 24, 1, 3224, 3574, false},
        {24, 4, 2, 138, 108, false},
        {4, 3, 2, 10, 4, false},
        {3, 1, 3, 3, 3, false},
        {1, 1, std::nullopt, 1, 1, true},
    };
    EXPECT_EQ(lesson, expected);
    // The counts are the hint's for every prefix of the game.
    for (size_t k = 0; k < kGame.size(); ++k)
        EXPECT_EQ(lesson[k].fittingAfter, CountFittingNumbers(std::span(kGame).first(k + 1))) << k;

    EXPECT_EQ(FittingText(lesson[1]), "120 → 24");
    EXPECT_EQ(CouldBeNumberText(lesson[0]), "да");
    EXPECT_EQ(CouldBeNumberText(lesson[2]), "нет: противоречит ходу 2");
    EXPECT_EQ(MeanLeftText(lesson[2]), "в среднем 5,8 (лучший 4,5)");
    EXPECT_EQ(MeanLeftText(lesson[5]), "в среднем 0,0 (лучший 0,0)");
    EXPECT_TRUE(lesson[1].AsGoodAsBest());
    EXPECT_FALSE(lesson[3].AsGoodAsBest());
    // Move 5 splits the three numbers as well as any of them would, but could
    // not be the number while each of them could have won.
    EXPECT_FALSE(lesson[4].AsGoodAsBest());
    EXPECT_EQ(LessonSummaryText(lesson),
              "Не могли быть числом: ходы 2, 3, 4, 5 (4 из 6). Не хуже лучшего выбора: ходы 1, 2, 6 (3 из 6).");
}

// Once one number alone fits, naming it wins; every other guess is a move
// wasted and is never counted as good as the best.
TEST(GameLesson, GuessesThatCannotWinWhenOneNumberFitsAreWasted) {
    const std::vector<Move> game = {{"5678", {0, 0}}, {"1359", {1, 1}}, {"2143", {0, 4}}, {"9123", {0, 3}},
                                    {"1243", {2, 2}}, {"2134", {2, 2}}, {"4321", {0, 4}}, {"1234", {4, 0}}};
    const std::vector<MoveLesson> lesson = LessonOf(game);
    ASSERT_EQ(lesson.size(), 8u);
    for (size_t wasted : {5u, 6u}) {
        EXPECT_EQ(lesson[wasted].fittingBefore, 1) << wasted;
        EXPECT_EQ(MeanLeftText(lesson[wasted]), "в среднем 1,0 (лучший 0,0)") << wasted;
        EXPECT_FALSE(lesson[wasted].AsGoodAsBest()) << wasted;
    }
    EXPECT_TRUE(lesson[7].AsGoodAsBest());
    EXPECT_EQ(LessonSummaryText(lesson),
              "Не могли быть числом: ходы 2, 3, 4, 5, 6, 7 (6 из 8). Не хуже лучшего выбора: ходы 1, 2, 8 (3 из 8).");
}

TEST(GameLesson, NoMovesAndGuessesThatAreNotNumbers) {
    EXPECT_TRUE(LessonOf({}).empty());
    EXPECT_EQ(LessonSummaryText({}), "");
    // A journal edited by hand: a guess that is no number tells no number apart;
    // the counts stay the hint's, down to a list that nothing fits.
    const std::vector<Move> odd = {{"12a4", {0, 0}}, {"1234", {4, 0}}, {"5678", {1, 0}}};
    const std::vector<MoveLesson> lesson = LessonOf(odd);
    ASSERT_EQ(lesson.size(), 3u);
    EXPECT_EQ(lesson[0].splitMeasure, int64_t{3024} * 3024);
    EXPECT_FALSE(lesson[0].AsGoodAsBest());
    EXPECT_EQ(lesson[0].fittingAfter, CountFittingNumbers(std::span(odd).first(1)));
    EXPECT_EQ(lesson[1].fittingAfter, 0);
    EXPECT_EQ(MeanLeftText(lesson[2]), "в среднем 0,0 (лучший 0,0)");
    EXPECT_EQ(LessonSummaryText(std::span(lesson).first(1)), "Не могли быть числом: нет. Не хуже лучшего выбора: нет.");
}

}  // namespace
}  // namespace duel
