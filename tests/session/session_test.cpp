// Whole runs through the session with no window: against a scripted opponent and against the computer.
#include "session/session.h"

#include "rules/number_rules.h"
#include "storage/settings_file.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"
#include "tests/support/scripted_opponent.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace duel::testing {
namespace {

class SessionRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
        platform.configFolder = folder.path() + QStringLiteral("/config");
        session.SetScreen(screen);
        session.Load();
    }

    // New game with the user's number `number` (empty: kept hidden).
    void NewGame(const char* number) {
        platform.inputs = {QString::fromUtf8(number)};
        if (*number == 0) platform.answers = {MsgAnswer::Yes};
        session.NewGame();
    }
    // The user's move with `guess` composed on the keypad.
    void Guess(const char* guess) {
        for (const char* digit = guess; *digit; ++digit) AddDigit(state(), platform, nullptr, *digit - '0');
        session.PlayerMove();
    }
    // The answer by hand to the opponent's guess on show, for the number `mine`.
    void AnswerFor(const char* mine) {
        const Score score = ScoreGuess(state().compGuess, mine);
        session.GiveAnswer(AnswerGroup::Exact, score.exact);
        session.GiveAnswer(AnswerGroup::Partial, score.partial);
    }
    // The settings file as the next run reads it.
    GameState SavedSettings() {
        GameState read;
        LoadSettings({platform.programFolderPath()}, read);
        return read;
    }
    GameState& state() { return session.state(); }

    QTemporaryDir folder;
    FakePlatform platform;
    FakeScreen screen;
    RecordingEvents heard;
    Session session{platform, heard};
};

TEST_F(SessionRun, ATypedNumberDuelWithAScriptedOpponentEndsInTheUsersWinAndItsRecord) {
    ScriptedOpponent opponent;
    opponent.guesses = {"5678", "1357"};
    session.UseOpponent(opponent);
    NewGame("2468");
    ASSERT_EQ(state().phase, Phase::UserToMove);
    EXPECT_EQ(state().compNumber, "1234");

    Guess("5679");  // no digit of 1234
    ASSERT_EQ(state().phase, Phase::ComputerToMove);
    EXPECT_EQ(state().compGuess, "5678");
    EXPECT_EQ(state().exactCount, 1);  // scored against 2468 at once
    EXPECT_EQ(state().partialCount, 1);
    session.OpponentMove();
    ASSERT_EQ(state().phase, Phase::UserToMove);

    Guess("1234");
    EXPECT_EQ(state().phase, Phase::GameOver);
    EXPECT_EQ(opponent.heard, (std::vector<std::string>{"prepare", "guess 5679", "my guess", "answer 5678 1/1",
                                                        "guess 1234", "ended 1"}));
    EXPECT_EQ(heard.lines,
              (std::vector<std::string>{"started typed 1234 2468", "user 5679 0/0 at 0", "computer 5678 1/1 at 0",
                                        "user 1234 4/0 at 0", "ended: user won"}));
    EXPECT_EQ(screen.endings(), (std::vector<std::string>{"records"}));
    // The settings file's listener wrote the win, a new record at place 1, without a name yet.
    const GameState saved = SavedSettings();
    EXPECT_EQ(saved.lastUser.tries, "2");
    EXPECT_EQ(saved.lastUser.number, "1234");
    EXPECT_EQ(saved.records[0].tries, 2);
    EXPECT_EQ(saved.records[0].name, "");
}

TEST_F(SessionRun, AHiddenNumberDuelWithAScriptedOpponentEndsInItsWinOrStopsOnContradictions) {
    ScriptedOpponent opponent;
    opponent.guesses = {"5678", "2468"};
    session.UseOpponent(opponent);
    NewGame("");
    ASSERT_TRUE(state().hideAnswer);
    Guess("5679");
    ASSERT_TRUE(state().answerByHand());
    AnswerFor("2468");
    session.OpponentMove();
    Guess("5789");
    AnswerFor("2468");
    platform.answers = {MsgAnswer::No};  // no playing on alone
    session.OpponentMove();
    EXPECT_EQ(state().phase, Phase::GameOver);
    EXPECT_EQ(heard.lines.back(), "ended: computer won");
    EXPECT_EQ(SavedSettings().lastComp.tries, "2");
    const std::vector<QString> boxes = platform.boxTexts();
    const std::vector<QString> lastBoxes(boxes.end() - 2, boxes.end());
    EXPECT_EQ(lastBoxes, (std::vector<QString>{"Вы хотите продолжить игру до разоблачения компьютера ?",
                                               "Компьютер загадал число 1234."}));

    // The next game: the opponent finds no number that fits the answers.
    opponent.guesses = {"5678"};
    opponent.contradictionAtAnswer = 1;
    NewGame("");
    Guess("5679");
    AnswerFor("2468");
    session.OpponentMove();
    EXPECT_EQ(state().phase, Phase::GameOver);
    EXPECT_EQ(heard.lines.back(), "ended: answers contradicted");
    const std::vector<QString> allBoxes = platform.boxTexts();
    const std::vector<QString> stopBoxes(allBoxes.end() - 2, allBoxes.end());
    EXPECT_TRUE(stopBoxes[0].startsWith("Вы совершили ошибку при вводе количества шелв и злыков."));
    EXPECT_EQ(stopBoxes[1], "Компьютер загадал число 1234.");
    EXPECT_EQ(SavedSettings().lastUser.tries, "-");
}

TEST_F(SessionRun, AnAnswerAndAGuessThatComeLaterWaitForTheirArrival) {
    ScriptedOpponent opponent;
    opponent.answersLater = true;
    opponent.guessesLater = true;
    opponent.hiddenAllowed = false;
    session.UseOpponent(opponent);
    platform.inputs = {QString(), QStringLiteral("2468")};  // an empty number is refused: no hiding here
    session.NewGame();
    ASSERT_EQ(state().phase, Phase::UserToMove);
    EXPECT_EQ(platform.boxTexts(), std::vector<QString>{"Необходимо ввести число из 4 состовляющих"});

    Guess("5679");
    ASSERT_EQ(state().phase, Phase::AwaitingAnswer);
    EXPECT_TRUE(state().userMoves.empty());
    AddDigit(state(), platform, nullptr, 3);  // nothing is composed while the answer is awaited
    EXPECT_EQ(state().composedGuess, "5679");
    const int refreshes = screen.refreshes;

    session.AnswerArrived(*opponent.waiting, opponent.AnswerToWaitingGuess());
    EXPECT_EQ(state().userMoves, (std::vector<Move>{{"5679", {0, 0}}}));
    EXPECT_EQ(state().composedGuess, "");
    EXPECT_EQ(state().phase, Phase::OpponentToMove);
    EXPECT_GT(screen.refreshes, refreshes);
    session.AnswerArrived("5679", {0, 0});  // a second answer to nothing changes nothing
    EXPECT_EQ(state().userMoves.size(), 1u);

    session.GuessArrived("2468");
    EXPECT_EQ(state().phase, Phase::ComputerToMove);
    EXPECT_EQ(state().exactCount, 4);
    platform.answers = {MsgAnswer::No};
    session.OpponentMove();
    EXPECT_EQ(opponent.heard.back(), "ended 2");
    EXPECT_EQ(heard.lines.back(), "ended: computer won");
}

TEST_F(SessionRun, TheComputerPlaysBothModesThroughTheSession) {
    // Typed: the computer's number is 1234 (drawn at 0.0); the user finds it at the second guess.
    platform.fractions = {0.0};
    NewGame("9876");
    ASSERT_EQ(state().compNumber, "1234");
    EXPECT_EQ(session.computer().candidateCount(), kAllNumbers);
    platform.fractions = {0.0};
    Guess("5678");
    ASSERT_EQ(state().phase, Phase::ComputerToMove);
    EXPECT_EQ(state().compGuess, "1234");  // its first candidate
    EXPECT_EQ(state().exactCount, 0);
    session.OpponentMove();
    EXPECT_EQ(session.computer().candidateCount(), 120);  // the numbers of 5, 6, 7, 8, 9 alone
    Guess("1234");
    EXPECT_EQ(heard.lines.back(), "ended: user won");
    EXPECT_EQ(SavedSettings().lastUser.tries, "2");

    // Hidden: the user answers by hand for 5678 until the computer finds it.
    platform.fractions = {0.0};
    NewGame("");
    const char* mine = "5678";
    const char* const misses[] = {"5679", "5689", "5789", "6789", "9876", "9875", "9865", "9765", "8765", "7654"};
    for (const char* miss : misses) {
        if (!state().gameRunning()) break;
        platform.fractions = {0.0};
        Guess(miss);
        ASSERT_EQ(state().phase, Phase::ComputerToMove);
        AnswerFor(mine);
        platform.answers = {MsgAnswer::No};
        session.OpponentMove();
    }
    EXPECT_EQ(heard.lines.back(), "ended: computer won");
    EXPECT_EQ(state().compMoves.back().guess, mine);
    EXPECT_EQ(SavedSettings().lastComp.number, mine);
}

}  // namespace
}  // namespace duel::testing
