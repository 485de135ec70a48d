// What the journal keeps of one game and of one move, as plain values.
#pragma once

#include "rules/game_outcome.h"
#include "rules/score.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace duel {

// How the player's number was given at the start of the game.
// The values are stored in the journal: never renumber them.
enum class GameMode : int32_t {
    Typed = 0,    // typed: the game scores the computer's guesses itself
    Hidden = 1,   // kept hidden: the player scores them by hand
    Network = 2,  // a duel with a person over the network (Side::Computer is the opponent)
    Jabber = 3,   // the same duel carried through a Jabber server; the opponent's address is its Jabber address
};

// A duel with a person, however it was carried: counted and shown together.
inline bool IsNetworkMode(GameMode mode) { return mode == GameMode::Network || mode == GameMode::Jabber; }

// What the journal reads back at most, so that a file edited by hand cannot
// make the game freeze or take a lot of memory: a longer text or more moves
// than this is damage, and such a row is refused.
inline constexpr size_t kMaxJournalText = 40;          // a date, a number, a name or an IP address
inline constexpr size_t kMaxJournalAddress = 1024;     // the opponent's address, a Jabber address among them
inline constexpr int32_t kMaxJournalTries = 3024;      // one side's guesses in a game: every number once
inline constexpr int64_t kMaxJournalGameId = 1 << 30;  // far beyond any journal's count of games

// One answered guess as the journal keeps it.
struct JournalMove {
    Side side = Side::User;
    Move move;            // the guess and its answer
    int32_t seconds = 0;  // the game clock's seconds when it was answered
    bool operator==(const JournalMove&) const = default;
};

// The start of a game, as the caller knows it.
struct GameBegin {
    std::string started;  // the caller's date and time text (the journal reads no clock)
    GameMode mode = GameMode::Typed;
    int32_t strength = 0;        // 0 the first opponent, 1 the stronger one
    std::string computerNumber;  // the computer's secret
    std::string playerNumber;    // the player's number when typed; empty when hidden
    // While the game is unfinished both numbers are kept masked with this key
    // (see journal/number_mask.h), so that a look into the file does not show
    // them; 0 keeps them plain.  The caller draws it at random for each game.
    uint64_t numberKey = 0;
    std::string opponentName{};     // a duel over the network: the opponent's name; else empty
    std::string opponentAddress{};  // and its address
};

// The end of a game.
struct GameEnd {
    std::string ended;  // the caller's date and time text
    Outcome outcome = Outcome::UserWon;
    int32_t playerTries = 0;    // the player's guesses
    int32_t computerTries = 0;  // the computer's guesses
    int32_t seconds = 0;        // the game clock at the end
    // A duel over the network: the opponent's number as it revealed it at the
    // end (kept where the computer's number is); empty when it never did.
    std::string opponentNumber{};
};

// One row of the journal's games.
struct GameRecord {
    int64_t id = 0;
    std::string started;
    std::string ended;  // empty while unfinished
    GameMode mode = GameMode::Typed;
    int32_t strength = 0;
    Outcome outcome = Outcome::Unfinished;
    int32_t playerTries = 0;
    int32_t computerTries = 0;
    int32_t seconds = 0;
    std::string computerNumber;  // plain, whatever the file keeps
    std::string playerNumber;
    std::string opponentName;  // empty unless a duel over the network
    std::string opponentAddress;
    bool operator==(const GameRecord&) const = default;
};

// A game with its moves of both sides in the order they were made.
struct SavedGame {
    GameRecord game;
    std::vector<JournalMove> moves;

    // The moves of one side, oldest first: the player's history for the hint,
    // the computer's for RebuildCandidateList.
    std::vector<Move> MovesOf(Side side) const;

    // The game clock's seconds at the last move (0 before any).
    int32_t ClockSeconds() const;

    // The computer has found the player's number (a move of its answered with
    // four exact): the player was playing on alone.
    bool ComputerFoundNumber() const;

    // Whose turn it is after the last completed move.  The player moves first
    // and every move of the player that does not win hands the turn to the
    // computer until the computer has found the number; a computer's guess
    // shown but not yet answered is not a move, so its turn starts afresh.
    Side NextToMove() const;
};

// True when the saved game holds together so that it can be played on: the
// player has not found the computer's number yet, both
// numbers are numbers of the game (the player's one only when typed, empty
// when hidden), every guess is one, every answer is one a number can give,
// the player's answers are those of the computer's number, the computer's
// those of the player's number when it was typed, and with answers given by
// hand some number still fits all of them.  A journal written by the game
// always passes; a file edited or damaged by hand may not.
bool IsResumable(const SavedGame& saved);

}  // namespace duel
