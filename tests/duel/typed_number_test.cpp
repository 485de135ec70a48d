// A whole duel with the user's number typed, played through the steps alone: no window at all.
#include "rules/game_clock.h"
#include "rules/number_rules.h"
#include "rules/records_table.h"
#include "tests/support/scripted_duel.h"

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

constexpr const char* kSecret = "1234";  // the first number of the list, drawn at 0.0
constexpr const char* kMine = "2468";    // the user's number, typed at New game
constexpr const char* kPlayOnQuestion = "Вы хотите продолжить игру до разоблачения компьютера ?";

// Guesses with no digit of the secret, none twice.
const char* const kMisses[] = {"5678", "5679", "5689", "5789", "6789", "9876",
                               "9875", "9865", "9765", "8765", "8769", "8759"};

class TypedNumberDuel : public ScriptedDuel {
protected:
    // Every candidate left agrees with every answer the computer was given,
    // and the user's number is among them.
    void ExpectCandidatesAgree() {
        bool mineLeft = false;
        for (int32_t i = 1; i <= computer.candidateCount(); ++i) {
            const std::string candidate = NumberText(computer.candidates()[static_cast<size_t>(i)]);
            mineLeft = mineLeft || candidate == kMine;
            for (const Move& move : state.compMoves)
                ASSERT_EQ(ScoreGuess(move.guess, candidate), move.answer) << candidate << " against " << move.guess;
        }
        EXPECT_TRUE(mineLeft);
    }
};

TEST_F(TypedNumberDuel, TheComputerWinsThenTheUserPlaysOnAloneAndWins) {
    ResetRecords(state);  // places of 4, 6 and 9 guesses
    state.userNumberDefault = "1234";
    platform.fractions = {0.0};
    platform.inputs = {QString::fromUtf8(kMine)};
    NewGame(duel);

    ASSERT_EQ(state.phase, Phase::UserToMove);
    EXPECT_EQ(state.compNumber, kSecret);
    EXPECT_EQ(state.userNumber, kMine);
    EXPECT_FALSE(state.hideAnswer);
    EXPECT_EQ(computer.candidateCount(), kAllNumbers);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"thinking 8888", "close thinking"}));
    EXPECT_EQ(screen.thinkingProgress, 9975 - 1111);
    EXPECT_FALSE(state.busy);
    EXPECT_FALSE(state.newGameHintShown());
    EXPECT_EQ(state.clockSeconds, 0);
    EXPECT_NE(state.gameStart, kClockStopped);
    screen.calls.clear();

    // Turns until the computer finds 2468: each user's guess listed with its
    // score, each computer's guess answered by the scorer at once.
    size_t turns = 0;
    while (state.phase == Phase::UserToMove && turns < std::size(kMisses)) {
        Tick(10);
        platform.fractions = {0.37};
        PlayerMove(duel, kMisses[turns]);
        ++turns;
        ASSERT_EQ(state.userMoves.size(), turns);
        EXPECT_EQ(state.userMoves.back(), (Move{kMisses[turns - 1], Score{}}));
        EXPECT_EQ(state.composedGuess, "");
        ASSERT_EQ(state.phase, Phase::ComputerToMove);
        ASSERT_EQ(state.compGuess.size(), 4u);
        EXPECT_TRUE(state.scorerRuns());
        EXPECT_EQ((Score{state.exactCount, state.partialCount}), ScoreGuess(state.compGuess, kMine));

        if (state.exactCount == 4) platform.answers = {MsgAnswer::Yes};
        const int32_t before = computer.candidateCount();
        OpponentMove(duel);
        EXPECT_EQ(state.compMoves.size(), turns);
        if (state.phase != Phase::UserToMove) {
            EXPECT_EQ(computer.candidateCount(), before);  // a win filters nothing
            break;
        }
        ExpectCandidatesAgree();
        EXPECT_EQ(state.compGuess, "");
        EXPECT_FALSE(state.autoScoring);
        EXPECT_EQ((Score{state.exactCount, state.partialCount}), Score{});
        EXPECT_EQ(screen.thinkingOpen, false);
    }

    // The computer's win: its result with the clock as shown, the records
    // window, and Yes to playing on alone.
    ASSERT_EQ(state.phase, Phase::PlayingOnAlone);
    EXPECT_EQ(state.compMoves.back().guess, kMine);
    EXPECT_EQ(state.lastComp.tries, std::to_string(turns));
    EXPECT_EQ(state.lastComp.number, kMine);
    EXPECT_EQ(state.lastComp.time, ClockText(10 * static_cast<int64_t>(turns)));
    EXPECT_EQ(platform.boxTexts(), (std::vector<QString>{QString::fromUtf8(kPlayOnQuestion)}));
    EXPECT_EQ(screen.endings(), (std::vector<std::string>{"save", "records"}));
    EXPECT_NE(state.gameStart, kClockStopped);  // the game goes on

    // Alone: the user's guesses are listed and the computer never moves again.
    Tick(5);
    platform.fractions.clear();
    PlayerMove(duel, kMisses[turns]);
    EXPECT_EQ(state.phase, Phase::PlayingOnAlone);
    EXPECT_EQ(state.userMoves.size(), turns + 1);
    EXPECT_EQ(state.compGuess, "");
    EXPECT_EQ(platform.randomDraws, static_cast<int>(turns) + 1);  // no draw for a computer's guess

    // The win: the winning guess is not listed, the prize before the records.
    Tick(3);
    screen.calls.clear();
    const std::string shown = ClockPanelText(state.clockSeconds);
    PlayerMove(duel, kSecret);
    EXPECT_EQ(state.userMoves.size(), turns + 1);
    EXPECT_EQ(state.lastUser.tries, std::to_string(turns + 2));
    EXPECT_EQ(state.lastUser.number, kSecret);
    EXPECT_EQ(state.lastUser.time, shown);
    EXPECT_EQ(screen.endings(), (std::vector<std::string>{"save", "won picture", "records"}));
    EXPECT_EQ(state.phase, Phase::GameOver);
    EXPECT_TRUE(state.newGameHintShown());
    EXPECT_EQ(state.gameStart, kClockStopped);
    GameClockTick(state, platform);
    EXPECT_FALSE(state.clockSeconds.has_value());  // "стоим"
    EXPECT_EQ(events.lines.back(), "ended: user won after computer");
    EXPECT_EQ(platform.unscripted, 0);
}

}  // namespace
}  // namespace duel::testing
