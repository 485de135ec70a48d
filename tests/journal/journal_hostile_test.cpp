// Tests of the journal against a hostile environment: a named pipe or a dangling link at its path, rows edited to
// sizes no game writes, the largest id, two copies of the program, a write cut short and tried again.
#include "journal/journal.h"
#include "journal/journal_texts.h"
#include "tests/support/journal_test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace duel {
namespace {

using testing::TempFolder;

constexpr const char* kDate = "20250301-140509";
const GameBegin kGame{"2025-03-01 14:05:09", GameMode::Typed, 0, "1234", "5678"};

void Exec(const std::filesystem::path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

// Runs `open` in a child process and returns the fault it found, or nothing
// when it did not answer within a few seconds (it blocked, as SQLite does on
// a named pipe).
std::optional<JournalFault> FaultWithin(const std::filesystem::path& path) {
    const pid_t child = fork();
    if (child == 0) {
        const Journal journal = Journal::Open(path, kDate);
        _exit(journal.status() == JournalStatus::Ready ? 100 : static_cast<int>(journal.fault()));
    }
    for (int waited = 0; waited < 100; ++waited) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? std::optional(static_cast<JournalFault>(WEXITSTATUS(status))) : std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return std::nullopt;
}

// Whatever stands at the journal's path, the opening answers at once and the
// notice names what is wrong, not a folder that cannot be written.
TEST(JournalHostile, WhatStandsAtThePathIsNamedAndNeverBlocks) {
    TempFolder folder;
    const auto pipe = folder / "pipe.sqlite";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto directory = folder / "folder.sqlite";
    std::filesystem::create_directory(directory);
    const auto dangling = folder / "dangling.sqlite";
    std::filesystem::create_symlink(folder / "nowhere", dangling);

    ASSERT_EQ(FaultWithin(pipe), JournalFault::NotAFile) << "a named pipe blocked the opening or was taken";
    EXPECT_EQ(FaultWithin(directory), JournalFault::NotAFile);
    EXPECT_EQ(FaultWithin(dangling), JournalFault::DanglingLink);
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);  // left alone

    const std::string pipeNotice = JournalNotice(Journal::Open(pipe, kDate), pipe);
    EXPECT_NE(pipeNotice.find("не обычный файл"), std::string::npos) << pipeNotice;
    EXPECT_EQ(pipeNotice.find("нельзя писать"), std::string::npos) << pipeNotice;
    const std::string linkNotice = JournalNotice(Journal::Open(dangling, kDate), dangling);
    EXPECT_NE(linkNotice.find("ссылка на файл, которого нет"), std::string::npos) << linkNotice;

    const auto readOnly = folder / "read-only.sqlite";
    { Journal made = Journal::Open(readOnly, kDate); }
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    if (access(readOnly.c_str(), W_OK) == 0) GTEST_SKIP() << "the file stays writable (run as root)";
    const Journal journal = Journal::Open(readOnly, kDate);
    EXPECT_EQ(journal.fault(), JournalFault::ReadOnlyFile);
    EXPECT_NE(JournalNotice(journal, readOnly).find("защищён от записи"), std::string::npos);
}

// Rows edited to sizes no game writes are refused as damage, without reading
// them whole: a date of 10 MB, a number of tries beyond every number, a game
// of more moves than two sides can make.  The rest of the journal stays.
TEST(JournalHostile, OversizedRowsAreRefused) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    {
        Journal journal = Journal::Open(path, kDate);
        for (int g = 0; g < 4; ++g) {
            const auto id = journal.BeginGame(kGame);
            ASSERT_TRUE(journal.AddMove(*id, {Side::User, {"1234", {4, 0}}, 5}));
            ASSERT_TRUE(journal.EndGame(*id, {"2025-03-01 14:06:00", Outcome::UserWon, 1, 0, 5}));
        }
        ASSERT_TRUE(journal.BeginGame(kGame));  // game 5, unfinished
    }
    Exec(path, "UPDATE games SET started = '2025' || replace(hex(zeroblob(5000000)), '0', 'x') WHERE id = 1");
    Exec(path, "UPDATE games SET player_tries = 1000000 WHERE id = 2");
    Exec(path,
         "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 7000) "
         "INSERT INTO moves SELECT 3, i, i % 2, '5678', 0, 0, i FROM n");
    Exec(path,
         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 7000) "
         "INSERT INTO moves SELECT 5, i, i % 2, '5678', 0, 0, i FROM n");

    Journal journal = Journal::Open(path, kDate);
    ASSERT_EQ(journal.status(), JournalStatus::Ready) << journal.error();
    const auto games = journal.PlayedGames();
    ASSERT_TRUE(games);
    std::vector<int64_t> ids;
    for (const GameRecord& game : *games) ids.push_back(game.id);
    EXPECT_EQ(ids, (std::vector<int64_t>{4, 3}));
    EXPECT_FALSE(journal.MovesOf(3));  // 7000 moves: refused, not read
    EXPECT_EQ(journal.MovesOf(4)->size(), 1u);
    EXPECT_FALSE(journal.LastUnfinishedGame());  // 7000 moves: not offered
}

// With the largest id taken SQLite would number new games at random: such a
// file is damage, kept aside, and a fresh journal numbers its games in order.
TEST(JournalHostile, TheLargestIdIsDamage) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    { Journal made = Journal::Open(path, kDate); }
    Exec(path,
         "INSERT INTO games(id, started, mode, strength, computer_number, player_number, outcome) "
         "VALUES(9223372036854775807, '2025-03-01 10:00:00', 0, 0, '1234', '5678', 1)");
    Journal journal = Journal::Open(path, kDate);
    EXPECT_EQ(journal.status(), JournalStatus::StartedAfresh);
    EXPECT_TRUE(std::filesystem::exists(path.string() + ".damaged-" + kDate));
    EXPECT_EQ(journal.BeginGame(kGame), 1);
    EXPECT_EQ(journal.BeginGame(kGame), 2);
}

// Two copies of the program on one journal: a copy that begins a game gives
// up only the games it was told to, so the other copy's running game stays
// unfinished, keeps its moves coming and can be resumed after a kill.
TEST(JournalHostile, ACopyBeginningAGameLeavesTheOtherCopysGameRunning) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    Journal first = Journal::Open(path, kDate);
    const auto a = first.BeginGame(kGame);
    ASSERT_TRUE(first.AddMove(*a, {Side::User, {"5678", {0, 0}}, 3}));

    Journal second = Journal::Open(path, kDate);
    const auto b = second.BeginGame({"2025-03-01 14:06:00", GameMode::Typed, 0, "2345", "6789"}, {});
    ASSERT_TRUE(b);
    EXPECT_TRUE(second.PlayedGames()->empty());
    EXPECT_TRUE(first.AddMove(*a, {Side::Computer, {"1234", {0, 0}}, 6}));
    EXPECT_EQ(second.UnfinishedGames(), (std::vector<int64_t>{*b, *a}));
    const auto saved = second.UnfinishedGame(*a);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->moves.size(), 2u);

    // Given up when named, as a killed copy's game is.
    ASSERT_TRUE(second.BeginGame(kGame, std::vector<int64_t>{*a}));
    EXPECT_EQ(second.PlayedGames()->at(0).id, *a);
    EXPECT_EQ(second.PlayedGames()->at(0).outcome, Outcome::Abandoned);
}

// A write that failed stops the journal; the game's end, tried once more when
// the file takes it again, is written with its real outcome, so the game is
// never left unfinished to be offered and won a second time.
TEST(JournalHostile, TheEndOfAGameWhoseWritingStoppedIsTriedAgain) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    Journal journal = Journal::Open(path, kDate);
    const auto id = journal.BeginGame(kGame);
    ASSERT_TRUE(journal.AddMove(*id, {Side::User, {"5678", {0, 0}}, 3}));
    EXPECT_FALSE(journal.EndGameAfterStop(*id, {"t", Outcome::UserWon, 2, 1, 9}));  // only after a stop

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_FALSE(journal.AddMove(*id, {Side::Computer, {"1234", {0, 0}}, 6}));
    ASSERT_EQ(journal.status(), JournalStatus::Stopped);
    EXPECT_FALSE(journal.EndGameAfterStop(*id, {"t", Outcome::UserWon, 2, 1, 9}));  // still locked
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);

    EXPECT_TRUE(journal.EndGameAfterStop(*id, {"t", Outcome::UserWon, 2, 1, 9}));
    EXPECT_EQ(journal.status(), JournalStatus::Stopped);
    journal = Journal();
    Journal next = Journal::Open(path, kDate);
    EXPECT_FALSE(next.LastUnfinishedGame());
    EXPECT_EQ(next.PlayedGames()->at(0).outcome, Outcome::UserWon);
}

}  // namespace
}  // namespace duel
