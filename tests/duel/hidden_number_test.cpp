// A whole duel with the user's number hidden and answered by hand, played through the steps alone: no window.
#include "rules/number_rules.h"
#include "tests/support/scripted_duel.h"

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

constexpr const char* kMine = "2468";  // the number the user keeps in mind
constexpr const char* kContradiction =
    "Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не "
    "возникало таких ситуаций, вводите число при запросе в начале игры.";

class HiddenNumberDuel : public ScriptedDuel {
protected:
    // The user's move; the computer's guess then waits for the answer by hand.
    void UserMoves(const char* guess) {
        platform.fractions = {0.61};
        PlayerMove(duel, guess);
        ASSERT_EQ(state.phase, Phase::ComputerToMove);
        ASSERT_TRUE(state.answerByHand());
    }
    // The answer with the option buttons, exact count first.
    void AnswerByHand(Score answer) {
        GiveAnswer(duel, AnswerGroup::Exact, answer.exact);
        GiveAnswer(duel, AnswerGroup::Partial, answer.partial);
    }
};

TEST_F(HiddenNumberDuel, ARefusedPairThenTrueAnswersThenOneThatContradictsThemStopsTheGame) {
    state.userNumberDefault = "1234";
    platform.fractions = {0.0};     // the secret is 1234
    platform.inputs = {QString()};  // Cancel, then Yes: keep it hidden
    platform.answers = {MsgAnswer::Yes};
    NewGame(duel);
    ASSERT_EQ(state.phase, Phase::UserToMove);
    EXPECT_TRUE(state.hideAnswer);
    EXPECT_EQ(state.userNumber, "");
    EXPECT_EQ(state.userNumberDefault, "");
    EXPECT_FALSE(state.answerByHand());  // nothing to answer before the first guess
    platform.boxes.clear();

    // A pair whose sum exceeds four is refused and both counts go back to 0;
    // the scorer never answers for a hidden number.
    UserMoves("5678");
    EXPECT_FALSE(state.scorerRuns());
    AutoScoreTick(state);
    EXPECT_EQ((Score{state.exactCount, state.partialCount}), Score{});
    GiveAnswer(duel, AnswerGroup::Exact, 3);
    GiveAnswer(duel, AnswerGroup::Partial, 2);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "Не может быть одновременно 2 шелв(а,ы) и 3 злык(а)");
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ((Score{state.exactCount, state.partialCount}), Score{});
    // The true answer goes through without a word.
    const Score first = ScoreGuess(state.compGuess, kMine);
    AnswerByHand(first);
    EXPECT_EQ(platform.boxes.size(), 1u);
    OpponentMove(duel);
    ASSERT_EQ(state.phase, Phase::UserToMove);
    EXPECT_EQ(state.compMoves.back().answer, first);
    EXPECT_TRUE(state.autoScoring);    // the sum check is spared until the next guess,
    EXPECT_FALSE(state.scorerRuns());  // but the switch never runs the scorer for a hidden number

    // A second true answer, then one that no number can give after it.
    UserMoves("5679");
    AnswerByHand(ScoreGuess(state.compGuess, kMine));
    ASSERT_NE(state.exactCount, 4) << "the computer found the number too soon for this test";
    OpponentMove(duel);
    ASSERT_EQ(state.phase, Phase::UserToMove);
    const int32_t left = computer.candidateCount();
    ASSERT_GT(left, 0);

    screen.calls.clear();
    platform.boxes.clear();
    UserMoves("5689");
    AnswerByHand(Score{3, 1});  // three right in place and the fourth elsewhere: impossible
    const std::string compNumber = state.compNumber;
    const std::string userTime = state.lastUser.time;
    OpponentMove(duel);

    EXPECT_EQ(computer.candidateCount(), 0);
    EXPECT_EQ(state.compGuess, kErrorGuess);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, kContradiction);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Information);
    // Once the game is over, the number the player never found.
    EXPECT_EQ(platform.boxes[1].text, QString::fromStdString("Компьютер загадал число " + compNumber + "."));
    EXPECT_EQ(screen.endings(), (std::vector<std::string>{"save", "records"}));
    EXPECT_EQ(state.lastUser.tries, "-");
    EXPECT_EQ(state.lastUser.number, compNumber);
    EXPECT_EQ(state.lastUser.time, userTime);
    EXPECT_EQ(state.phase, Phase::GameOver);
    EXPECT_EQ(state.gameStart, kClockStopped);
    EXPECT_TRUE(state.newGameHintShown());
    EXPECT_FALSE(screen.thinkingOpen);
    EXPECT_FALSE(state.busy);
    EXPECT_EQ(events.lines.back(), "ended: answers contradicted");
    EXPECT_EQ(platform.unscripted, 0);
}

}  // namespace
}  // namespace duel::testing
