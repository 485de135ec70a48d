// Tests of what the journal file holds: the numbers of an unfinished game masked, a version-1 journal upgraded, the
// opponent of a duel over the network, the order of the list.
#include "journal/journal.h"
#include "journal/number_mask.h"
#include "tests/support/journal_test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace duel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

constexpr const char* kDate = "20250301-140509";
constexpr uint64_t kKey = 0x0123456789abcdefULL;

// Runs `sql` on the file with SQLite itself and returns the first column of each row, as `sqlite3` would show it.
std::vector<std::string> Query(const std::filesystem::path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    std::vector<std::string> rows;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sql;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(statement, 0);
        rows.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "NULL");
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

void Exec(const std::filesystem::path& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

TEST(NumberMask, MasksEachNumberWithItsOwnBytesAndUnmasksIt) {
    EXPECT_EQ(MaskNumber("1234", 0, MaskedNumber::Computer), "1234");
    EXPECT_EQ(MaskNumber("", kKey, MaskedNumber::Player), "");
    // '1' (0x31) ^ 0xef = 0xde ... the computer's number takes the key's low four bytes.
    EXPECT_EQ(MaskNumber("1234", kKey, MaskedNumber::Computer), "deff98bd");
    EXPECT_NE(MaskNumber("1234", kKey, MaskedNumber::Player), MaskNumber("1234", kKey, MaskedNumber::Computer));
    for (const auto which : {MaskedNumber::Computer, MaskedNumber::Player})
        EXPECT_EQ(UnmaskNumber(MaskNumber("9876", kKey, which), kKey, which), "9876");
    for (const char* damaged : {"deff98b", "xyff98bd", "deff98bdab"})
        EXPECT_FALSE(UnmaskNumber(damaged, kKey, MaskedNumber::Computer)) << damaged;
}

// While a game runs, `sqlite3` on the journal does not show its numbers as
// digits; once it ends, by its end or given up, they are written plainly.
TEST(JournalMask, TheNumbersOfAnUnfinishedGameAreNotReadableAsDigits) {
    for (const bool ended : {true, false}) {
        TempFolder folder;
        const auto path = folder / "journal.sqlite";
        Journal journal = Journal::Open(path, kDate);
        const auto id = journal.BeginGame({"2025-03-01 14:05:09", GameMode::Typed, 0, "1234", "5678", kKey});
        ASSERT_TRUE(id);
        ASSERT_TRUE(journal.AddMove(*id, {Side::User, {"5678", {0, 0}}, 3}));

        const auto stored = Query(path, "SELECT computer_number || ' ' || player_number FROM games");
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].find("1234"), std::string::npos) << stored[0];
        EXPECT_EQ(stored[0].find("5678"), std::string::npos) << stored[0];
        for (const char* suffix : {"", "-wal"})
            EXPECT_EQ(ReadBytes(path.string() + suffix).find("1234"), std::string::npos) << suffix;
        const auto saved = journal.LastUnfinishedGame();  // the game itself reads them back
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->game.computerNumber, "1234");
        EXPECT_EQ(saved->game.playerNumber, "5678");

        if (ended)
            ASSERT_TRUE(journal.EndGame(*id, {"t", Outcome::ComputerWon, 1, 1, 9}));
        else
            ASSERT_TRUE(journal.MarkAbandoned(*id, "t"));
        EXPECT_EQ(Query(path, "SELECT computer_number || ' ' || player_number || ' ' || number_key FROM games"),
                  std::vector<std::string>{"1234 5678 0"});
        EXPECT_EQ(journal.PlayedGames()->at(0).computerNumber, "1234");
    }
}

// A journal of version 1 (written by the game before this one) is upgraded in
// place when opened: its games, finished and unfinished, stay and can be
// played on, and new games are masked.
TEST(JournalUpgrade, AVersion1JournalIsUpgradedAndKeepsItsGames) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    Exec(path, R"sql(
        CREATE TABLE games(id INTEGER PRIMARY KEY, started TEXT NOT NULL, ended TEXT NOT NULL DEFAULT '',
            mode INTEGER NOT NULL, strength INTEGER NOT NULL, outcome INTEGER NOT NULL DEFAULT 0,
            player_tries INTEGER NOT NULL DEFAULT 0, computer_tries INTEGER NOT NULL DEFAULT 0,
            seconds INTEGER NOT NULL DEFAULT 0, computer_number TEXT NOT NULL, player_number TEXT NOT NULL,
            given_up INTEGER NOT NULL DEFAULT 0);
        CREATE TABLE moves(game INTEGER NOT NULL REFERENCES games(id), ord INTEGER NOT NULL, side INTEGER NOT NULL,
            guess TEXT NOT NULL, exact INTEGER NOT NULL, partial INTEGER NOT NULL, seconds INTEGER NOT NULL,
            PRIMARY KEY(game, ord)) WITHOUT ROWID;
        CREATE INDEX unfinished_games ON games(id) WHERE outcome = 0;
        INSERT INTO games VALUES(1, '2025-03-01 10:00:00', '2025-03-01 10:05:00', 0, 0, 1, 2, 1, 300, '1234',
                                 '5678', 0);
        INSERT INTO games VALUES(2, '2025-03-02 10:00:00', '', 1, 1, 0, 0, 0, 0, '2345', '', 0);
        INSERT INTO moves VALUES(1, 1, 0, '5679', 0, 0, 100), (1, 2, 1, '1234', 0, 0, 200),
                                (1, 3, 0, '1234', 4, 0, 300), (2, 1, 0, '6789', 0, 0, 20);
        PRAGMA user_version = 1;
    )sql");

    Journal journal = Journal::Open(path, kDate);
    ASSERT_EQ(journal.status(), JournalStatus::Ready) << journal.error();
    EXPECT_EQ(Query(path, "PRAGMA user_version"), std::vector<std::string>{std::to_string(kJournalVersion)});
    const auto played = journal.PlayedGames();
    ASSERT_TRUE(played);
    ASSERT_EQ(played->size(), 1u);
    EXPECT_EQ(played->at(0).computerNumber, "1234");
    EXPECT_EQ(played->at(0).outcome, Outcome::UserWon);
    EXPECT_EQ(journal.MovesOf(1)->size(), 3u);
    const auto unfinished = journal.LastUnfinishedGame();
    ASSERT_TRUE(unfinished);
    EXPECT_EQ(unfinished->game.id, 2);
    EXPECT_EQ(unfinished->game.computerNumber, "2345");

    const auto id = journal.BeginGame({"2025-03-03 10:00:00", GameMode::Hidden, 0, "3456", "", kKey});
    ASSERT_TRUE(id);
    EXPECT_EQ(Query(path, "SELECT computer_number FROM games WHERE id = " + std::to_string(*id))[0],
              MaskNumber("3456", kKey, MaskedNumber::Computer));
    journal = Journal();
    EXPECT_EQ(Journal::Open(path, kDate).status(), JournalStatus::Ready);  // opened again as it is
}

// A duel over the network keeps its opponent; a game against the computer keeps none (NULL).
TEST(JournalFormat, ADuelOverTheNetworkKeepsItsOpponent) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    Journal journal = Journal::Open(path, kDate);
    GameBegin network{"2025-03-01 10:00:00", GameMode::Network, 0, "1234", "5678"};
    network.opponentName = "Ёжик";
    network.opponentAddress = "192.168.1.20:5000";
    const auto duel = journal.BeginGame(network, {});
    ASSERT_TRUE(duel);
    ASSERT_TRUE(journal.EndGame(*duel, {"t", Outcome::OpponentForfeited, 3, 3, 60}));
    const auto local = journal.BeginGame({"2025-03-01 11:00:00", GameMode::Typed, 0, "1234", "5678"});
    ASSERT_TRUE(journal.EndGame(*local, {"t", Outcome::UserWon, 3, 2, 60}));

    const auto games = journal.PlayedGames();
    ASSERT_EQ(games->size(), 2u);
    EXPECT_EQ(games->at(1).mode, GameMode::Network);
    EXPECT_EQ(games->at(1).outcome, Outcome::OpponentForfeited);
    EXPECT_EQ(games->at(1).opponentName, "Ёжик");
    EXPECT_EQ(games->at(1).opponentAddress, "192.168.1.20:5000");
    EXPECT_EQ(games->at(0).opponentName, "");
    EXPECT_EQ(Query(path, "SELECT coalesce(opponent_name, 'NULL') FROM games ORDER BY id"),
              (std::vector<std::string>{"Ёжик", "NULL"}));
}

// The list is newest first by the time a game began, not by its number.
TEST(JournalFormat, TheListIsOrderedByTime) {
    TempFolder folder;
    const auto path = folder / "journal.sqlite";
    {
        Journal journal = Journal::Open(path, kDate);
        for (const char* started : {"2025-03-02 10:00:00", "2025-03-01 10:00:00", "2025-03-03 10:00:00"}) {
            const auto id = journal.BeginGame({started, GameMode::Typed, 0, "1234", "5678"}, {});
            ASSERT_TRUE(journal.EndGame(*id, {"t", Outcome::UserWon, 1, 1, 1}));
        }
    }
    Journal journal = Journal::Open(path, kDate);
    const auto games = journal.PlayedGames();
    ASSERT_TRUE(games);
    std::vector<std::string> order;
    for (const GameRecord& game : *games) order.push_back(game.started);
    EXPECT_EQ(order, (std::vector<std::string>{"2025-03-03 10:00:00", "2025-03-02 10:00:00", "2025-03-01 10:00:00"}));
}

}  // namespace
}  // namespace duel
