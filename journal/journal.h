// The journal of games: an SQLite file with one row per game and one per move, written as the game goes.
//
// The journal never stops the game.  Every call answers with a value: a
// journal that cannot be opened is Unavailable and turns every later call
// into a quiet failure, a damaged file is kept aside under a dated name and a
// fresh journal started, and a write that fails during the run stops the
// journal until the next run.  The caller tells the player once; the game
// goes on either way.  Nothing here throws or reads a clock: the caller passes
// its date and time texts.
//
// Usage:
//   Journal journal = Journal::Open(dataFolder / "journal.sqlite", "20250301-140509");
//   if (journal.status() != JournalStatus::Ready) ...tell the player once...
//   auto id = journal.BeginGame({now, GameMode::Typed, 0, "1234", "5678"});
//   journal.AddMove(*id, {Side::User, {"2345", {1, 2}}, 17});
//   journal.EndGame(*id, {now, Outcome::UserWon, 5, 4, 182});
#pragma once

#include "journal/game_record.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace duel {

enum class JournalStatus {
    Ready,          // open; every call is written at once
    StartedAfresh,  // the file was damaged: it is kept as damagedCopy() and a fresh journal is open
    Unavailable,    // it could not be opened or written: the game plays on without it
    Stopped,        // a write failed during the run: nothing more is written until the next run
};

// Why the journal is not Ready, for the player's message.
enum class JournalFault {
    None,
    Damaged,       // the file was not a journal or was corrupt (kept aside)
    Locked,        // another game held it longer than the busy timeout
    DiskFull,      // the disk is full
    NewerFormat,   // written by a newer version of the game: left as it is
    CannotWrite,   // the folder cannot be made or written, the file was removed, any other failure
    NotAFile,      // a folder, a named pipe, a socket or a device stands at the journal's path
    DanglingLink,  // the path is a symbolic link to nothing
    ReadOnlyFile,  // the file may not be written
};

// The schema's version in PRAGMA user_version.  Version 1 files are upgraded when opened.
inline constexpr int kJournalVersion = 2;

// How long a write waits for another game's lock before it fails.
inline constexpr int kJournalBusyMilliseconds = 250;

// Pages (4 KiB) in the write-ahead log after which the end of a game checkpoints it: a few hundred moves.
inline constexpr int kCheckpointFrames = 1000;

// UnfinishedGames lists at most this many.
inline constexpr int kMaxUnfinishedListed = 16;

class Journal {
public:
    // A journal that is Unavailable (CannotWrite): every call fails quietly.
    Journal() = default;
    Journal(Journal&& other) noexcept;
    Journal& operator=(Journal&& other) noexcept;
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;
    ~Journal();

    // Opens the journal file `path` in an existing folder, creating the file
    // when it is missing, and checks that it can be written.  A damaged file
    // (and its -wal and -shm files) is renamed to "<name>.damaged-<dateText>"
    // (with "-2", "-3"... when that name is taken), never deleted, and a fresh
    // journal is started in its place: status StartedAfresh.  dateText is the
    // caller's "YYYYMMDD-HHMMSS"; only digits and '-' of it are used.
    static Journal Open(const std::filesystem::path& path, std::string_view dateText);

    JournalStatus status() const { return status_; }
    JournalFault fault() const { return fault_; }
    // True while writes are accepted (Ready or StartedAfresh).
    bool writable() const { return db_ != nullptr && status_ != JournalStatus::Stopped; }
    // Where the damaged file went (StartedAfresh, or Unavailable after a failed fresh start).
    const std::filesystem::path& damagedCopy() const { return damagedCopy_; }
    // SQLite's description of the last failure, for standard error; empty when none.
    const std::string& error() const { return error_; }

    // Starts a game and returns its id.  Every unfinished game in the journal
    // is given up first, in the same transaction (see MarkAbandoned, with
    // begin.started as its end), so at most one game is ever unfinished.
    std::optional<int64_t> BeginGame(const GameBegin& begin);
    // The same, giving up only the unfinished games in `giveUp`: a program
    // that knows which games other running copies play leaves those alone.
    std::optional<int64_t> BeginGame(const GameBegin& begin, std::span<const int64_t> giveUp);

    // Adds an answered move after the game's earlier ones and commits it.
    bool AddMove(int64_t game, const JournalMove& move);

    // Ends an unfinished game.  A game that a second copy of the program gave
    // up meanwhile (see BeginGame) is still ended by its own, with its real
    // outcome.  False (without stopping the journal) when the game has
    // already ended or the outcome is Unfinished.
    //
    // BeginGame, EndGame and MarkAbandoned also move the log beside the file
    // into it once it holds kCheckpointFrames pages (a checkpoint, the one
    // write that waits for the disk): between moves, never in one.
    bool EndGame(int64_t game, const GameEnd& end);
    // EndGame once more after the journal has stopped (a disk full for a
    // moment, a lock held too long): a game whose writing was cut short gets
    // its real end if the file takes it now.  The journal stays stopped.
    bool EndGameAfterStop(int64_t game, const GameEnd& end);

    // Gives up an unfinished game: its tries are counted from its moves and
    // its seconds are those of its last move.  The outcome is how the duel
    // stood, so that no result is lost: ComputerWon when the computer had
    // found the player's number (the player was playing on alone),
    // UserWon or UserWonAfterComputer when the player's winning move was
    // written but the end was not (the program died in between), else
    // Abandoned.  False (without stopping the journal) when it is not unfinished.
    bool MarkAbandoned(int64_t game, std::string_view ended);

    // The unfinished games, newest first (at most kMaxUnfinishedListed).
    std::optional<std::vector<int64_t>> UnfinishedGames();
    // Game `id` with its moves when it is unfinished and can be resumed (IsResumable).
    std::optional<SavedGame> UnfinishedGame(int64_t id);

    // The last game begun, with its moves, when it is unfinished and can be
    // resumed (IsResumable); nothing when it is finished, when there is none,
    // or when it cannot be read.
    std::optional<SavedGame> LastUnfinishedGame();

    // Every finished or abandoned game, newest first by the time it began;
    // nothing when the journal cannot be read.  A row beyond the bounds of
    // game_record.h (a text edited to megabytes) is damage and left out.
    std::optional<std::vector<GameRecord>> PlayedGames();

    // The moves of one game, in the order they were made; nothing when they
    // cannot be read or are more than two sides' kMaxJournalTries (damage).
    std::optional<std::vector<JournalMove>> MovesOf(int64_t game);

private:
    // Runs one write; on an SQLite failure stops the journal and returns false.
    template <typename Write>
    bool Written(Write&& write);
    // The statements of EndGame, inside a transaction; `changed` tells whether the game was there to end.
    int WriteEnd(int64_t game, const GameEnd& end, bool& changed);
    void Fail(int code);
    void NoteReadError();
    bool FileMoved();
    void Checkpoint();
    void Close();

    sqlite3* db_ = nullptr;
    std::unique_ptr<int> logFrames_;  // pages in the log after the last commit; where it is stays put on a move
    JournalStatus status_ = JournalStatus::Unavailable;
    JournalFault fault_ = JournalFault::CannotWrite;
    std::filesystem::path damagedCopy_;
    std::string error_;
};

}  // namespace duel
