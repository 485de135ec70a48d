// Tests of the player's hint: the count of numbers that still fit, and the contradiction of the last move.
#include "rules/hint.h"

#include <gtest/gtest.h>

#include <vector>

namespace duel {
namespace {

// One move after another, each worked by hand.
TEST(Hint, CountsTheNumbersThatFitEveryAnswerOfOneMove) {
    struct Case {
        Score answer;  // to the guess 1234
        int32_t count;
    };
    const Case cases[] = {
        {{0, 0}, 120},  // four different digits of 5..9: 5 * 4 * 3 * 2
        {{0, 4}, 9},    // the digits 1..4 with none in its place: the 9 derangements of four
        {{1, 0}, 240},  // which place stays (4), the other three of 5..9 (5 * 4 * 3)
        {{3, 0}, 20},   // which three places stay (4), the fourth of 5..9 (5)
        {{0, 1}, 720},  // which digit (4), at which other place (3), the rest of 5..9 (5 * 4 * 3)
        {{2, 2}, 6},    // which two places stay (6), the other two swap
        {{4, 0}, 1},
    };
    EXPECT_EQ(CountFittingNumbers({}), 3024);
    EXPECT_EQ(HintText({}), "Подходит чисел: 3024");
    for (const Case& c : cases) {
        const std::vector<Move> moves = {{"1234", c.answer}};
        EXPECT_EQ(CountFittingNumbers(moves), c.count) << c.answer.exact << " " << c.answer.partial;
    }
}

// A game against the secret 8675, worked by hand:
//   1. 1234 (0, 0): digits of 5..9 only, 120 numbers.
//   2. 5678 (2, 2): the 24 orders of 5678 keeping exactly two places, 6 numbers:
//      5687, 5876, 5768, 8675, 7658, 6578.
//   3. 5687 (1, 3): of these, the ones with exactly one place in common with 5687:
//      5876, 5768, 8675, 7658 (5687 itself gives (4, 0), 6578 gives (0, 4)); 4 numbers.
//   4. 6578 (1, 3): one of the six of move 2, but it gives 5687 the answer (0, 4),
//      not (1, 3): it contradicts move 3 (and agrees with moves 1 and 2).
//   5. 5876 (1, 3): fits moves 1 to 4; of the four of move 3, 5768 and 8675 give it
//      (1, 3), 7658 gives (0, 4): 2 numbers.  The count is back.
TEST(Hint, FollowsAGameAndNamesTheMoveTheLastOneContradicts) {
    std::vector<Move> moves;
    auto after = [&](const char* guess, Score answer) {
        moves.push_back({guess, answer});
        return HintText(moves);
    };
    EXPECT_EQ(after("1234", {0, 0}), "Подходит чисел: 120");
    EXPECT_EQ(after("5678", {2, 2}), "Подходит чисел: 6");
    EXPECT_EQ(after("5687", {1, 3}), "Подходит чисел: 4");
    EXPECT_EQ(after("6578", {1, 3}), "Ход 4 противоречит ходу 3");
    EXPECT_EQ(FindContradiction(moves), (Contradiction{4, 3}));
    EXPECT_EQ(CountFittingNumbers(moves), 4);  // the count itself is still kept
    EXPECT_EQ(after("5876", {1, 3}), "Подходит чисел: 2");
    EXPECT_FALSE(FindContradiction(moves));
}

// The first earlier move that disagrees is named, not the latest one: after
// moves 1..3 above, 1567 gets (1, 0) from 1234, not (0, 0), and also
// disagrees with moves 2 and 3.
TEST(Hint, NamesTheFirstEarlierMoveThatDisagrees) {
    const std::vector<Move> moves = {{"1234", {0, 0}}, {"5678", {2, 2}}, {"5687", {1, 3}}, {"1567", {0, 3}}};
    EXPECT_EQ(FindContradiction(moves), (Contradiction{4, 1}));
    EXPECT_EQ(HintText(moves), "Ход 4 противоречит ходу 1");
    EXPECT_FALSE(FindContradiction(std::span(moves).first(1)));  // a first move contradicts nothing
}

}  // namespace
}  // namespace duel
