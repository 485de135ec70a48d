// The listener that writes every game into the journal of games, and hands back the unfinished one to play on.
#pragma once

#include "duel/game_events.h"
#include "journal/game_record.h"
#include "journal/journal.h"
#include "platform/platform.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLockFile;

namespace duel {

// The journal's file in the user's data folder.
inline constexpr const char* kJournalFileName = "journal.sqlite";

// Writes a game's start, its moves and its end into the journal as they
// happen.  Before Open, and when the journal cannot be written, it lets them
// go by: the game never waits for the journal.
//
// While a game runs its row is claimed with a lock file beside the journal
// ("journal.sqlite.game-<id>.lock", removed at its end), so that a second copy
// of the program never plays on, nor gives up, a game that this one plays:
// each running copy keeps its own game, and a new game gives up only the
// unfinished games no running copy holds.  A lock that no running process
// holds (a killed run's, an empty or garbled file, a folder, one written on
// another computer) is stale and removed.
//
// When writing stops in the middle of a game (a disk full for a moment, a
// lock held too long) the game is marked beside the journal
// ("journal.sqlite.game-<id>.lost") and its end is tried once more when it
// comes; a game so marked is never offered to play on, since the journal did
// not follow it to where it stands: the next run gives it up.
class JournalKeeper final : public GameEvents {
public:
    explicit JournalKeeper(Platform& platform);
    ~JournalKeeper() override;
    JournalKeeper(const JournalKeeper&) = delete;
    JournalKeeper& operator=(const JournalKeeper&) = delete;

    // Opens kJournalFileName in `folder`, making the folder when it is
    // missing, and looks for an unfinished game to play on.  An empty folder
    // (the system names none) keeps no journal and has nothing to tell.
    void Open(const std::filesystem::path& folder);

    // The journal after Open (it may be unavailable); nullptr before, or with no folder.
    Journal* journal() { return opened_ ? &journal_ : nullptr; }
    // Why the journal is not kept, or what happened to it at the opening, for
    // the player; empty when it works and never had trouble.
    std::string Status() const;

    // True when an unfinished game from an earlier run waits: the newest
    // unfinished game that holds together, that no running game plays
    // (neither this run nor another copy of the program, as far as the
    // opening saw) and whose writing was not cut short, while no game runs
    // here and the journal can be written.
    bool CanResume() const;
    // When CanResume, the date and time that game began as the player reads
    // them ("01.03.2025 14:05"), for the question on New game; else empty.
    std::string WaitingGameDate() const;
    // Gives up the waiting game (it is recorded as abandoned, as a new game
    // would record it): the player chose a new game instead.  False when
    // none waits or it could not be written.
    bool GiveUpWaitingGame();
    // That game, read anew, taken on as the game this run plays: its further
    // moves and its end go into its row.  Nothing when it cannot be resumed now
    // (another copy of the program has taken it or begun a game since).
    std::optional<SavedGame> TakeResumable();

    // The notice for the player that waits, once: the journal's trouble as it
    // first shows in this run (at the opening, or when a write fails), and,
    // apart from that, a damaged file kept aside.  Empty when none waits.
    std::string TakeNotice();
    // Called when a notice begins to wait, perhaps from inside a step: the
    // window tells it once the step is over.
    std::function<void()> onNotice;

    void GameStarted(const GameState& state) override;
    void MoveMade(const GameState& state, Side side, const Move& move, int64_t clockSeconds) override;
    void GameEnded(const GameState& state, Outcome outcome) override;

private:
    // The date and time as the journal keeps them ("2025-03-01 14:05:09").
    std::string Now() const;
    // After a write of the game: when the journal has stopped, a notice waits
    // and the game is written no more.
    void CheckWrite();
    void Notify(std::string text);
    // Claims game `id` for this run; false when another running game holds it.
    bool Claim(int64_t id);
    void Release();
    // True when no running game holds game `id`'s lock (a stale one is removed).
    bool Unheld(int64_t id) const;
    std::filesystem::path LockPath(int64_t id) const;
    std::filesystem::path LostMarkPath(int64_t id) const;
    // Removes the lock files that no running process holds.
    void SweepStaleLocks() const;
    // Gives up the games whose writing was cut short in an earlier run and
    // that no running game holds; true when `id` is one of them.
    bool SettleLostGame(int64_t id);
    // The unfinished games this run may give up: none of them is played.
    std::vector<int64_t> UnheldUnfinishedGames();

    Platform& platform_;
    Journal journal_;
    bool opened_ = false;
    std::filesystem::path file_;
    std::optional<int64_t> game_;  // the game this run writes, while it runs
    int32_t userTries_ = 0;        // the moves of each side written for it
    int32_t computerTries_ = 0;
    std::unique_ptr<QLockFile> lock_;  // the claim on game_
    std::optional<int64_t> waiting_;   // the game the opening found to play on
    std::string waitingStarted_;       // and when it began, as the journal keeps it
    bool lost_ = false;                // game_'s writing was cut short: only its end is tried again
    std::string notice_;               // waits to be told
};

}  // namespace duel
