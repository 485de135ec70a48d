// Games written into the journal by its keeper and resumed in a later run, through the steps alone: no window.
#include "duel/computer_opponent.h"
#include "duel/resume_game.h"
#include "rules/number_rules.h"
#include "rules/strong_guess.h"
#include "session/event_listeners.h"
#include "session/journal_keeper.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"
#include "tests/support/journal_test_support.h"
#include "tests/support/journaled_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace duel::testing {
namespace {

constexpr const char* kMine = "2468";  // the number the user keeps in mind
// Guesses with no digit of the secret 1234, drawn at 0.0.
constexpr std::array<const char*, 4> kMisses = {"5678", "5679", "5689", "5789"};

// One run of the program: its own state, platform and screen, the keeper over
// the journal in `folder`, and a listener behind the keeper.
struct ProgramRun : JournaledRun {
    explicit ProgramRun(const std::filesystem::path& folder) { keeper->Open(folder); }
    void Tick(int seconds) {
        platform.monotonic += seconds;
        GameClockTick(state, platform);
    }
};

class ResumeTest : public ::testing::Test {
protected:
    // Starts a game in `run`: the secret 1234, the user's number typed (or hidden when empty).
    static void StartGame(ProgramRun& run, const char* number) {
        run.platform.fractions = {0.0};
        run.platform.inputs = {QString::fromUtf8(number)};
        if (*number == 0) run.platform.answers = {MsgAnswer::Yes};
        NewGame(run.duel);
        ASSERT_EQ(run.state.phase, Phase::UserToMove);
    }
    // The played games of the journal, read by a journal of its own.
    std::vector<GameRecord> PlayedGames() {
        Journal journal = Journal::Open(folder / kJournalFileName, "20250301-100000");
        return journal.PlayedGames().value_or(std::vector<GameRecord>{});
    }

    TempFolder folder;
};

TEST_F(ResumeTest, AHiddenNumberGameComesBackWithTheSameCandidateListAndEndsInItsOwnRow) {
    auto first = std::make_unique<ProgramRun>(folder.path());
    StartGame(*first, "");
    for (size_t i = 0; i < 3; ++i) {
        first->Tick(5);
        first->platform.fractions = {0.37};
        PlayerMove(first->duel, kMisses[i]);
        ASSERT_EQ(first->state.phase, Phase::ComputerToMove);
        const Score answer = ScoreGuess(first->state.compGuess, kMine);
        ASSERT_NE(answer.exact, 4) << "the computer found the number too soon for this test";
        GiveAnswer(first->duel, AnswerGroup::Exact, answer.exact);
        GiveAnswer(first->duel, AnswerGroup::Partial, answer.partial);
        first->Tick(2);
        OpponentMove(first->duel);
        ASSERT_EQ(first->state.phase, Phase::UserToMove);
    }
    first->Tick(4);
    first->platform.fractions = {0.5};
    PlayerMove(first->duel, kMisses[3]);
    ASSERT_EQ(first->state.phase, Phase::ComputerToMove);
    const GameState before = first->state;
    const ComputerOpponent computerBefore = first->computer;
    first.reset();  // the program dies while its guess waits for the answer

    ProgramRun second(folder.path());
    ASSERT_TRUE(second.keeper->CanResume());
    const std::optional<SavedGame> saved = second.keeper->TakeResumable();
    ASSERT_TRUE(saved.has_value());
    EXPECT_FALSE(second.keeper->CanResume());
    second.platform.fractions = {0.5};
    ResumeGame(second.duel, *saved);

    const GameState& after = second.state;
    EXPECT_EQ(after.compNumber, before.compNumber);
    EXPECT_TRUE(after.hideAnswer);
    EXPECT_EQ(after.userNumber, "");
    EXPECT_EQ(after.userMoves, before.userMoves);
    EXPECT_EQ(after.compMoves, before.compMoves);
    const ComputerOpponent& computerAfter = second.computer;
    ASSERT_EQ(computerAfter.candidateCount(), computerBefore.candidateCount());
    EXPECT_TRUE(std::equal(computerAfter.candidates().begin() + 1,
                           computerAfter.candidates().begin() + 1 + computerAfter.candidateCount(),
                           computerBefore.candidates().begin() + 1))
        << "the rebuilt list differs slot for slot";
    EXPECT_EQ(after.phase, Phase::ComputerToMove);
    EXPECT_EQ(after.compGuess, before.compGuess);  // the same draw from the same list
    EXPECT_TRUE(after.answerByHand());
    EXPECT_FALSE(after.autoScoring);
    EXPECT_EQ(after.clockSeconds, 25);  // the clock of the last move, going on from there
    second.Tick(3);
    EXPECT_EQ(second.state.clockSeconds, 28);

    // The game goes on and ends as any other, in its own row.
    const Score answer = ScoreGuess(second.state.compGuess, kMine);
    ASSERT_NE(answer.exact, 4);
    GiveAnswer(second.duel, AnswerGroup::Exact, answer.exact);
    GiveAnswer(second.duel, AnswerGroup::Partial, answer.partial);
    OpponentMove(second.duel);
    PlayerMove(second.duel, "1234");
    ASSERT_EQ(second.state.phase, Phase::GameOver);
    const std::vector<GameRecord> played = PlayedGames();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].id, saved->game.id);
    EXPECT_EQ(played[0].outcome, Outcome::UserWon);
    EXPECT_EQ(played[0].playerTries, 5);
    EXPECT_EQ(played[0].computerTries, 4);
    EXPECT_EQ(played[0].seconds, 28);
    EXPECT_EQ(played[0].mode, GameMode::Hidden);
}

TEST_F(ResumeTest, TypedNumberGamesComeBackWithTheTurnTheyHad) {
    // Killed while the computer's guess waits: it is drawn anew and the scorer answers it at once.
    {
        ProgramRun first(folder.path());
        first.state.strongChosen = true;
        StartGame(first, kMine);
        first.platform.fractions = {0.2};
        PlayerMove(first.duel, kMisses[0]);
        ASSERT_EQ(first.state.phase, Phase::ComputerToMove);
    }
    {
        ProgramRun second(folder.path());
        auto saved = second.keeper->TakeResumable();
        ASSERT_TRUE(saved.has_value());
        second.platform.fractions = {0.9};
        ResumeGame(second.duel, *saved);
        EXPECT_EQ(second.state.phase, Phase::ComputerToMove);
        EXPECT_EQ(second.state.userNumber, kMine);
        EXPECT_TRUE(second.state.strongOpponent);
        // The stronger opponent's pick among the rebuilt candidates, with the draw for its ties.
        EXPECT_EQ(second.state.compGuess, NumberText(second.computer.candidates()[static_cast<size_t>(StrongPickIndex(
                                              second.computer.candidates(), second.computer.candidateCount(), 0.9))]));
        EXPECT_TRUE(second.state.scorerRuns());
        EXPECT_EQ((Score{second.state.exactCount, second.state.partialCount}),
                  ScoreGuess(second.state.compGuess, kMine));
    }
    EXPECT_EQ(PlayedGames().size(), 0u);  // still unfinished

    // Killed while the user plays on alone after the computer's win.
    {
        ProgramRun first(folder.path());
        StartGame(first, "1235");  // that game is given up; this one's computer guesses 1235 first
        first.platform.fractions = {1.5 / kAllNumbers};
        PlayerMove(first.duel, kMisses[0]);
        first.platform.answers = {MsgAnswer::Yes};
        OpponentMove(first.duel);
        ASSERT_EQ(first.state.phase, Phase::PlayingOnAlone);
        PlayerMove(first.duel, kMisses[1]);
    }
    ProgramRun second(folder.path());
    auto saved = second.keeper->TakeResumable();
    ASSERT_TRUE(saved.has_value());
    ResumeGame(second.duel, *saved);
    EXPECT_EQ(second.state.phase, Phase::PlayingOnAlone);
    EXPECT_EQ(second.state.userMoves.size(), 2u);
    EXPECT_EQ(second.state.compMoves.size(), 1u);
    EXPECT_TRUE(second.state.compGuess.empty());
    PlayerMove(second.duel, "1234");
    const std::vector<GameRecord> played = PlayedGames();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[0].outcome, Outcome::UserWonAfterComputer);
    EXPECT_EQ(played[0].playerTries, 3);
    EXPECT_EQ(played[0].computerTries, 1);
    EXPECT_EQ(played[1].outcome, Outcome::Abandoned);  // given up by the New game of the second run
}

TEST_F(ResumeTest, NewGameGivesUpTheRunningGameBeforeTheNextOneBegins) {
    ProgramRun run(folder.path());
    StartGame(run, kMine);
    run.platform.fractions = {0.2};
    PlayerMove(run.duel, kMisses[0]);
    StartGame(run, kMine);  // the first game is abandoned, the second begins
    PlayerMove(run.duel, "1234");

    const std::vector<GameRecord> played = PlayedGames();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[0].outcome, Outcome::UserWon);
    EXPECT_EQ(played[0].playerTries, 1);
    EXPECT_EQ(played[1].outcome, Outcome::Abandoned);
    EXPECT_EQ(played[1].playerTries, 1);
    EXPECT_EQ(played[1].computerTries, 0);
    EXPECT_FALSE(run.keeper->CanResume());
    // The listener behind the keeper heard it all, in order.
    EXPECT_EQ(run.events.lines.front(), "started typed 1234 2468");
    EXPECT_EQ(run.events.lines[2], "ended: abandoned");
    EXPECT_EQ(run.events.lines.back(), "ended: user won");
}

TEST_F(ResumeTest, AGameThatAnotherRunningCopyPlaysIsNotOffered) {
    auto playing = std::make_unique<ProgramRun>(folder.path());
    StartGame(*playing, kMine);
    ProgramRun other(folder.path());
    EXPECT_FALSE(other.keeper->CanResume());
    EXPECT_FALSE(other.keeper->TakeResumable().has_value());

    playing.reset();  // its game is left unfinished and free
    ProgramRun later(folder.path());
    EXPECT_TRUE(later.keeper->CanResume());
}

TEST_F(ResumeTest, AJournalThatStopsDuringTheRunIsToldOnceAndTheGameGoesOn) {
    ProgramRun run(folder.path());
    int notices = 0;
    run.keeper->onNotice = [&] { ++notices; };
    EXPECT_EQ(run.keeper->TakeNotice(), "");
    StartGame(run, kMine);
    std::filesystem::remove(folder / kJournalFileName);  // the file is gone under the running game
    run.platform.fractions = {0.2};
    PlayerMove(run.duel, kMisses[0]);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(run.keeper->TakeNotice(), "Запись в журнал игр остановлена: файл «journal.sqlite» в папке «" +
                                            folder.path().string() +
                                            "» больше не записывается. Игра продолжается без журнала.");
    AutoScoreTick(run.state);
    OpponentMove(run.duel);
    PlayerMove(run.duel, "1234");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(run.keeper->TakeNotice(), "");
    EXPECT_EQ(run.state.phase, Phase::GameOver);
    EXPECT_EQ(run.events.lines.back(), "ended: user won");
}

}  // namespace
}  // namespace duel::testing
