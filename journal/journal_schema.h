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
    given_up INTEGER NOT NULL DEFAULT 0);
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
PRAGMA user_version = 1;
)sql";

inline constexpr const char* kGameColumns =
    "id, started, ended, mode, strength, outcome, player_tries, computer_tries, seconds, computer_number, "
    "player_number";
inline constexpr const char* kMoveColumns = "side, guess, exact, partial, seconds";
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
