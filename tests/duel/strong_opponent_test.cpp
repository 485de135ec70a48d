// A whole duel against the stronger opponent through the steps alone: its guesses, its strength kept to the end.
#include "duel/computer_opponent.h"
#include "duel/duel.h"
#include "rules/number_rules.h"
#include "rules/strong_guess.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace duel::testing {
namespace {

constexpr const char* kMine = "2468";  // the user's number, typed at New game

// The user's guesses: none is the secret 1234, none twice.
const char* const kGuesses[] = {"5678", "5679", "5689", "5789", "6789", "9876", "9875", "9865", "9765", "8765"};
// The draws that break the stronger opponent's ties, one a turn.
const double kDraws[] = {0.0, 0.99, 0.5, 0.25, 0.75, 0.1, 0.9, 0.3, 0.6, 0.4};

TEST(StrongOpponentDuel, GuessesTheBestSplitToItsWinAndTheNextGameTakesTheNewChoice) {
    GameState state;
    FakePlatform platform;
    FakeScreen screen;
    ComputerOpponent computer;
    Duel duel{state, platform, screen, computer};

    state.strongChosen = true;
    platform.fractions = {0.0};
    platform.inputs = {QString::fromUtf8(kMine)};
    NewGame(duel);
    ASSERT_EQ(state.phase, Phase::UserToMove);
    EXPECT_TRUE(state.strongOpponent);
    state.strongChosen = false;  // unchecked during the game: this game stays strong

    int differentFromTheDraw = 0;
    size_t turn = 0;
    for (; state.phase == Phase::UserToMove && turn < std::size(kGuesses); ++turn) {
        const double draw = kDraws[turn];
        const int32_t strong = StrongPickIndex(computer.candidates(), computer.candidateCount(), draw);
        const std::string expected = NumberText(computer.candidates()[static_cast<size_t>(strong)]);
        if (strong != DrawIndex(draw, computer.candidateCount())) ++differentFromTheDraw;

        platform.fractions = {draw};
        PlayerMove(duel, kGuesses[turn]);
        ASSERT_EQ(state.phase, Phase::ComputerToMove);
        EXPECT_EQ(state.compGuess, expected) << "turn " << turn + 1;
        EXPECT_EQ(computer.pickIndex(), strong);
        EXPECT_EQ(platform.randomDraws, static_cast<int>(turn) + 2) << "one draw a guess";
        OpponentMove(duel);
    }
    // The computer found the number (the user plays on alone), and on the way
    // at least one guess was not the one the plain draw would have made.
    EXPECT_EQ(state.compMoves.back().guess, kMine);
    EXPECT_TRUE(state.compGuessed());
    EXPECT_GT(differentFromTheDraw, 0);
    EXPECT_TRUE(state.strongOpponent);

    platform.fractions = {0.0};
    platform.inputs = {QString::fromUtf8(kMine)};
    NewGame(duel);
    EXPECT_FALSE(state.strongOpponent);
}

}  // namespace
}  // namespace duel::testing
