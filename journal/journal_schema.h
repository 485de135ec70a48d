// The journal's tables as SQL, the columns its reads name, and what SQLite's result codes mean to the player.
#pragma once

#include "journal/journal.h"

#include <sqlite3.h>

namespace duel {

// The tables and the version, made in one transaction in a new file.  Every
// row of games is one game; every row of moves one answered guess, numbered
// by `ord` within its game in the order the moves were made.  given_up is 1
// while a game's end is the one a later game gave it, so that its own end,
// should it still come (two games running at once), replaces it.
inline constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS games(
    id INTEGER PRIMARY KEY,
    started TEXT NOT NULL,
    ended TEXT NOT NULL DEFAULT '',
    mode INTEGER NOT NULL,
    strength INTEGER NOT NULL,
    outcome INTEGER NOT NULL DEFAULT 0,
    player_tries INTEGER NOT NULL DEFAULT 0,
    computer_tries INTEGER NOT NULL DEFAULT 0,
    seconds INTEGER NOT NULL DEFAULT 0,
    computer_number TEXT NOT NULL,
    player_number TEXT NOT NULL,
    given_up INTEGER NOT NULL DEFAULT 0,
    number_key INTEGER NOT NULL DEFAULT 0,
    opponent_name TEXT,
    opponent_address TEXT);
CREATE TABLE IF NOT EXISTS moves(
    game INTEGER NOT NULL REFERENCES games(id),
    ord INTEGER NOT NULL,
    side INTEGER NOT NULL,
    guess TEXT NOT NULL,
    exact INTEGER NOT NULL,
    partial INTEGER NOT NULL,
    seconds INTEGER NOT NULL,
    PRIMARY KEY(game, ord)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS unfinished_games ON games(id) WHERE outcome = 0;
PRAGMA user_version = 2;
)sql";

// A journal of version 1 brought to version 2 in the same transaction: the
// key that masks the numbers of an unfinished game (0: kept plain, as
// version 1 kept them all) and the opponent of a duel over the network.
inline constexpr const char* kUpgradeFrom1 = R"sql(
ALTER TABLE games ADD COLUMN number_key INTEGER NOT NULL DEFAULT 0;
ALTER TABLE games ADD COLUMN opponent_name TEXT;
ALTER TABLE games ADD COLUMN opponent_address TEXT;
PRAGMA user_version = 2;
)sql";

// The columns of version 1; version 2 adds kGameColumnsAdded.
inline constexpr const char* kGameColumnsOf1 =
    "id, started, ended, mode, strength, outcome, player_tries, computer_tries, seconds, computer_number, "
    "player_number";
inline constexpr const char* kGameColumnsAdded = "number_key, opponent_name, opponent_address";
// What a read takes of a game: no text longer than one character past
// kMaxJournalText (kMaxJournalAddress for the address), so that a text edited
// to megabytes is refused without being copied.
inline constexpr const char* kGameColumns =
    "id, substr(started, 1, 41), substr(ended, 1, 41), mode, strength, outcome, player_tries, computer_tries, "
    "seconds, substr(computer_number, 1, 41), substr(player_number, 1, 41), number_key, "
    "substr(coalesce(opponent_name, ''), 1, 41), substr(coalesce(opponent_address, ''), 1, 1025)";
// The order of the list: by the time a game began, the id telling apart games begun in the same second.
inline constexpr const char* kNewestFirst = " ORDER BY started DESC, id DESC";
inline constexpr const char* kMoveColumns = "side, guess, exact, partial, seconds";
inline constexpr const char* kMoveReadColumns = "side, substr(guess, 1, 41), exact, partial, seconds";
// What a failing SQLite result code means to the player.
inline JournalFault FaultOf(int code) {
    switch (code & 0xFF) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return JournalFault::Damaged;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return JournalFault::Locked;
        case SQLITE_FULL:
            return JournalFault::DiskFull;
        default:
            return JournalFault::CannotWrite;
    }
}

}  // namespace duel
