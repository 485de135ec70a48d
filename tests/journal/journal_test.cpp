// Tests of the journal's games and moves: written as played, back after a kill, given up by a new game.
#include "journal/journal.h"

#include "journal/game_record.h"
#include "rules/candidate_history.h"
#include "rules/number_rules.h"
#include "tests/support/journal_test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <vector>

namespace duel {
namespace {

using testing::TempFolder;

constexpr const char* kDate = "20250301-140509";

// A game with the number kept hidden: the player's answers to the computer
// are given by hand (here the true ones for 5678).
const GameBegin kHiddenGame{"2025-03-01 14:05:09", GameMode::Hidden, 1, "1234", ""};
const std::vector<JournalMove> kHiddenMoves = {
    {Side::User, {"5678", {0, 0}}, 4},  {Side::Computer, {"1234", {0, 0}}, 9},
    {Side::User, {"2143", {0, 4}}, 15}, {Side::Computer, {"6785", {0, 4}}, 21},
    {Side::User, {"1243", {2, 2}}, 30}, {Side::Computer, {"7856", {0, 4}}, 38},
};

// The list the computer keeps when it filters after each answer, as in the game.
int32_t FilterStepByStep(CandidateList& list, const std::vector<JournalMove>& moves) {
    int32_t count = BuildCandidateList(list, [](int32_t) {});
    for (const JournalMove& m : moves)
        if (m.side == Side::Computer)
            count = FilterCandidates(list, count, m.move.guess, m.move.answer, [](int32_t) {});
    return count;
}

// The process dies in the middle of a game (kill -9: no end, no close); the
// next run finds it as the last unfinished game with every move of both sides,
// and the computer's list rebuilt from its answers is the one it had.
TEST(JournalResume, AGameKilledMidwayComesBackWithTheMovesOfBothSides) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    testing::WriteThenGetKilled([&] {
        auto* journal = new Journal(Journal::Open(path, kDate));  // never closed: the kill comes first
        const auto id = journal->BeginGame(kHiddenGame);
        if (!id) _exit(1);
        for (const JournalMove& move : kHiddenMoves)
            if (!journal->AddMove(*id, move)) _exit(1);
    });
    ASSERT_TRUE(std::filesystem::exists(path.string() + "-wal"));  // the moves are in the write-ahead log

    Journal journal = Journal::Open(path, kDate);
    ASSERT_EQ(journal.status(), JournalStatus::Ready) << journal.error();
    const auto saved = journal.LastUnfinishedGame();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->game.started, kHiddenGame.started);
    EXPECT_EQ(saved->game.mode, GameMode::Hidden);
    EXPECT_EQ(saved->game.strength, 1);
    EXPECT_EQ(saved->game.computerNumber, "1234");
    EXPECT_EQ(saved->game.playerNumber, "");
    EXPECT_EQ(saved->game.outcome, Outcome::Unfinished);
    EXPECT_EQ(saved->moves, kHiddenMoves);
    EXPECT_EQ(saved->NextToMove(), Side::User);
    EXPECT_EQ(saved->ClockSeconds(), 38);

    CandidateList kept{};
    const int32_t keptCount = FilterStepByStep(kept, kHiddenMoves);
    CandidateList rebuilt{};
    EXPECT_EQ(RebuildCandidateList(rebuilt, saved->MovesOf(Side::Computer)), keptCount);
    EXPECT_EQ(rebuilt, kept);
}

// A game is begun, played, ended; a second one is left unfinished and given
// up by the third: tries counted from its moves, seconds of its last move.
TEST(JournalResume, EndedAndGivenUpGamesAreListedNewestFirst) {
    TempFolder folder;
    Journal journal = Journal::Open(folder / "journal.sqlite", kDate);
    ASSERT_EQ(journal.status(), JournalStatus::Ready) << journal.error();

    const auto first = journal.BeginGame({"t1", GameMode::Typed, 0, "1234", "5678"});
    ASSERT_TRUE(first);
    EXPECT_TRUE(journal.AddMove(*first, {Side::User, {"1234", {4, 0}}, 7}));
    EXPECT_TRUE(journal.EndGame(*first, {"t1 end", Outcome::UserWon, 1, 0, 7}));
    EXPECT_FALSE(journal.EndGame(*first, {"again", Outcome::ComputerWon, 1, 0, 7}));  // ended once only
    EXPECT_FALSE(journal.LastUnfinishedGame());

    const auto second = journal.BeginGame({"t2", GameMode::Typed, 0, "2345", "6789"});
    ASSERT_TRUE(second);
    for (const JournalMove& move :
         {JournalMove{Side::User, {"5678", {0, 1}}, 3}, JournalMove{Side::Computer, {"1234", {0, 0}}, 8},
          JournalMove{Side::User, {"1234", {0, 3}}, 12}})
        EXPECT_TRUE(journal.AddMove(*second, move));
    ASSERT_TRUE(journal.LastUnfinishedGame());
    EXPECT_EQ(journal.LastUnfinishedGame()->NextToMove(), Side::Computer);

    const auto third = journal.BeginGame({"t3", GameMode::Hidden, 0, "3456", ""});
    ASSERT_TRUE(third);
    const auto games = journal.PlayedGames();
    ASSERT_TRUE(games);
    ASSERT_EQ(games->size(), 2u);  // the third is unfinished, not played
    const GameRecord& givenUp = (*games)[0];
    EXPECT_EQ(givenUp.id, *second);
    EXPECT_EQ(givenUp.outcome, Outcome::Abandoned);
    EXPECT_EQ(givenUp.ended, "t3");
    EXPECT_EQ(givenUp.playerTries, 2);
    EXPECT_EQ(givenUp.computerTries, 1);
    EXPECT_EQ(givenUp.seconds, 12);
    EXPECT_EQ((*games)[1].id, *first);
    EXPECT_EQ((*games)[1].outcome, Outcome::UserWon);
    EXPECT_EQ((*games)[1].ended, "t1 end");
    EXPECT_EQ(journal.MovesOf(*second)->size(), 3u);
    EXPECT_EQ(journal.LastUnfinishedGame()->game.id, *third);
}

// A game given up keeps how the duel stood when it was given up.
TEST(JournalResume, AGivenUpGameKeepsAResultAlreadyReached) {
    struct Case {
        std::vector<JournalMove> moves;
        Outcome outcome;
    };
    const Case cases[] = {
        // The computer found 5678; the player was playing on alone.
        {{{Side::User, {"5678", {0, 0}}, 2}, {Side::Computer, {"5678", {4, 0}}, 5}}, Outcome::ComputerWon},
        // The player's winning move was written, the program died before the end.
        {{{Side::User, {"1234", {4, 0}}, 2}}, Outcome::UserWon},
        {{{Side::User, {"5678", {0, 0}}, 2}, {Side::Computer, {"5678", {4, 0}}, 5}, {Side::User, {"1234", {4, 0}}, 9}},
         Outcome::UserWonAfterComputer},
        {{{Side::User, {"5678", {0, 0}}, 2}}, Outcome::Abandoned},
        {{}, Outcome::Abandoned},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        Journal journal = Journal::Open(folder / "journal.sqlite", kDate);
        const auto id = journal.BeginGame({"t1", GameMode::Typed, 0, "1234", "5678"});
        ASSERT_TRUE(id);
        for (const JournalMove& move : c.moves) ASSERT_TRUE(journal.AddMove(*id, move));
        // The game cannot be played on once the player has found the number.
        EXPECT_EQ(journal.LastUnfinishedGame().has_value(),
                  c.outcome != Outcome::UserWon && c.outcome != Outcome::UserWonAfterComputer);
        EXPECT_TRUE(journal.MarkAbandoned(*id, "t2"));
        EXPECT_FALSE(journal.MarkAbandoned(*id, "t3"));  // no longer unfinished
        EXPECT_EQ(journal.PlayedGames()->at(0).outcome, c.outcome) << c.moves.size() << " moves";
    }
}

// Two copies of the program share the journal: the second one's new game
// gives up the first one's game, which still ends with its real outcome.
TEST(JournalResume, AGameGivenUpByASecondCopyOfTheProgramStillEndsAsItWasPlayed) {
    TempFolder folder;
    Journal first = Journal::Open(folder / "journal.sqlite", kDate);
    const auto id = first.BeginGame({"t1", GameMode::Typed, 0, "1234", "5678"});
    ASSERT_TRUE(id);
    ASSERT_TRUE(first.AddMove(*id, {Side::User, {"5678", {0, 0}}, 3}));

    Journal second = Journal::Open(folder / "journal.sqlite", kDate);
    ASSERT_EQ(second.status(), JournalStatus::Ready) << second.error();
    ASSERT_TRUE(second.BeginGame({"t2", GameMode::Typed, 0, "2345", "6789"}));
    EXPECT_EQ(second.PlayedGames()->at(0).outcome, Outcome::Abandoned);

    EXPECT_TRUE(first.AddMove(*id, {Side::User, {"1234", {4, 0}}, 9}));
    EXPECT_TRUE(first.EndGame(*id, {"t1 end", Outcome::UserWon, 2, 1, 9}));
    const GameRecord played = second.PlayedGames()->at(0);
    EXPECT_EQ(played.outcome, Outcome::UserWon);
    EXPECT_EQ(played.ended, "t1 end");
    EXPECT_EQ(played.playerTries, 2);
    EXPECT_FALSE(first.EndGame(*id, {"again", Outcome::ComputerWon, 2, 1, 9}));  // ended once only
}

// A journal edited by hand so that the game does not hold together is not
// offered for resuming; nothing breaks.
TEST(JournalResume, AGameThatDoesNotHoldTogetherIsNotOffered) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    {
        Journal journal = Journal::Open(path, kDate);
        const auto id = journal.BeginGame(kHiddenGame);
        ASSERT_TRUE(id);
        for (const JournalMove& move : kHiddenMoves) ASSERT_TRUE(journal.AddMove(*id, move));
        ASSERT_TRUE(journal.LastUnfinishedGame());
    }
    const char* edits[] = {
        "UPDATE moves SET exact = 3 WHERE ord = 1",       // a wrong answer to the player
        "UPDATE moves SET guess = '12a4' WHERE ord = 2",  // not a number
        "UPDATE moves SET partial = 1 WHERE ord = 6",     // the hand answers leave no number
        "UPDATE games SET computer_number = '0000'",      // not a number
        "UPDATE games SET outcome = 77",                  // an outcome the game does not know
    };
    for (const char* edit : edits) {
        const std::string copy = (folder / "copy.sqlite").string();
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(copy.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, edit, nullptr, nullptr, nullptr), SQLITE_OK) << edit;
        sqlite3_close(db);
        Journal journal = Journal::Open(copy, kDate);
        ASSERT_EQ(journal.status(), JournalStatus::Ready) << edit;
        EXPECT_FALSE(journal.LastUnfinishedGame()) << edit;
    }
    // The unknown outcome is read as a game given up.
    Journal journal = Journal::Open(folder / "copy.sqlite", kDate);
    EXPECT_EQ(journal.PlayedGames()->at(0).outcome, Outcome::Abandoned);
}

}  // namespace
}  // namespace duel
