// Tests of the stronger opponent, the fast scoring it rests on, and the candidate list rebuilt from moves.
#include "rules/strong_guess.h"

#include "rules/candidate_history.h"
#include "rules/random_fractions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace duel {
namespace {

CandidateList ListOf(std::initializer_list<int16_t> numbers) {
    CandidateList list{};
    size_t slot = 0;
    for (int16_t n : numbers) list[++slot] = n;
    return list;
}

// The bit-mask scoring must give the scoring rule's answer for every pair of numbers.
TEST(StrongGuess, PackedScoringAgreesWithTheRuleOnEveryPair) {
    CandidateList all{};
    const int32_t count = BuildCandidateList(all, [](int32_t) {});
    std::vector<std::string> texts;
    std::vector<PackedNumber> packed;
    for (int32_t i = 1; i <= count; ++i) {
        texts.push_back(NumberText(all[static_cast<size_t>(i)]));
        packed.push_back(PackNumber(all[static_cast<size_t>(i)]));
    }
    int wrong = 0;
    for (size_t g = 0; g < texts.size(); ++g)
        for (size_t s = 0; s < texts.size(); ++s)
            if (AnswerCode(packed[g], packed[s]) != AnswerCode(ScoreGuess(texts[g], texts[s])) && ++wrong < 5)
                ADD_FAILURE() << texts[g] << " against " << texts[s];
    EXPECT_EQ(wrong, 0);
}

// Candidates 1289, 2345, 3412, 5612, 5678 (slots 1..5), worked by hand:
//   3412 gets (0,2) (0,3) (4,0) (2,0) (0,0) from them: five answers, one
//        number each, sum of squares 5, the least any guess can have;
//   2345 gets (0,1) (4,0) (0,3) (0,2) (0,1): 1289 and 5678 share (0,1), 7;
//   5678 gets (0,1) (0,1) (0,0) (2,0) (4,0): 7;
//   1289 gets (4,0) (0,1) (0,2) (0,2) (0,1): 9;  5612 gets (0,2) (0,2) (2,0) (4,0) (2,0): 9.
// So 3412, slot 3, whatever the draw.
TEST(StrongGuess, PicksTheCandidateThatLeavesTheFewestOnAverage) {
    const CandidateList list = ListOf({1289, 2345, 3412, 5612, 5678});
    const auto numbers = PackCandidates(list, 5);
    EXPECT_EQ(SumOfSquares(SplitByAnswer(numbers, PackNumber(3412))), 5);
    EXPECT_EQ(SumOfSquares(SplitByAnswer(numbers, PackNumber(2345))), 7);
    EXPECT_EQ(SumOfSquares(SplitByAnswer(numbers, PackNumber(1289))), 9);
    for (double fraction : {0.0, 0.5, 0.999}) EXPECT_EQ(StrongPickIndex(list, 5, fraction), 3);
}

// Candidates 1234, 1243, 2134, 5678, worked by hand: 1243 and 2134 each get
// four different answers (sum 4), 1234 gets (2,2) twice (6), 5678 gets (0,0)
// three times (10).  The draw picks among the two in slot order.
TEST(StrongGuess, BreaksTiesWithTheDrawInSlotOrder) {
    const CandidateList list = ListOf({1234, 1243, 2134, 5678});
    EXPECT_EQ(StrongPickIndex(list, 4, 0.0), 2);
    EXPECT_EQ(StrongPickIndex(list, 4, 0.49), 2);
    EXPECT_EQ(StrongPickIndex(list, 4, 0.5), 3);
    EXPECT_EQ(StrongPickIndex(list, 4, 0.999), 3);
    EXPECT_EQ(StrongPickIndex(list, 1, 0.7), 1);
}

// The full list is answered with a draw and no search; that is honest only
// if every first guess really splits it the same way.
TEST(StrongGuess, EveryFirstGuessSplitsTheFullListAlike) {
    CandidateList all{};
    const int32_t count = BuildCandidateList(all, [](int32_t) {});
    const auto numbers = PackCandidates(all, count);
    const int64_t first = SumOfSquares(SplitByAnswer(numbers, numbers.front()));
    for (const PackedNumber& guess : numbers) ASSERT_EQ(SumOfSquares(SplitByAnswer(numbers, guess)), first);
    EXPECT_EQ(StrongPickIndex(all, count, 0.0), 1);
    EXPECT_EQ(StrongPickIndex(all, count, 0.9999), count);
}

// Seeded games of the stronger computer against many secrets: every guess it
// makes fits every answer it has had, and the list it keeps by filtering move
// by move is the one RebuildCandidateList makes from the moves.
TEST(StrongGuess, GuessesOnlyNumbersThatFitAndItsListCanBeRebuilt) {
    CandidateList all{};
    const int32_t fullCount = BuildCandidateList(all, [](int32_t) {});
    RandomFractions random;
    for (int32_t s = 1; s <= fullCount; s += 11) {  // 275 secrets spread over the list
        const std::string secret = NumberText(all[static_cast<size_t>(s)]);
        CandidateList candidates = all;
        int32_t count = fullCount;
        std::vector<Move> moves;
        for (int turn = 0; turn < 12; ++turn) {
            const int32_t slot = StrongPickIndex(candidates, count, random.next());
            ASSERT_GE(slot, 1);
            ASSERT_LE(slot, count);
            const std::string guess = NumberText(candidates[static_cast<size_t>(slot)]);
            for (const Move& earlier : moves)
                ASSERT_EQ(ScoreGuess(earlier.guess, guess), earlier.answer) << secret << ": " << guess;
            const Score answer = ScoreGuess(guess, secret);
            moves.push_back({guess, answer});
            if (answer.exact == 4) break;
            count = FilterCandidates(candidates, count, guess, answer, [](int32_t) {});

            CandidateList rebuilt{};
            ASSERT_EQ(RebuildCandidateList(rebuilt, moves), count) << secret;
            ASSERT_EQ(rebuilt, candidates) << secret;
        }
        ASSERT_EQ(moves.back().answer.exact, 4) << secret << " not found in 12 guesses";
    }
}

}  // namespace
}  // namespace duel
