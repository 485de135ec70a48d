// What the journal keeps of one game and of one move, as plain values.
#pragma once

#include "rules/game_outcome.h"
#include "rules/score.h"

#include <cstdint>
#include <string>
#include <vector>

namespace duel {

// How the player's number was given at the start of the game.
enum class GameMode : int32_t {
    Typed = 0,   // typed: the game scores the computer's guesses itself
    Hidden = 1,  // kept hidden: the player scores them by hand
};

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
};

// The end of a game.
struct GameEnd {
    std::string ended;  // the caller's date and time text
    Outcome outcome = Outcome::UserWon;
    int32_t playerTries = 0;    // the player's guesses
    int32_t computerTries = 0;  // the computer's guesses
    int32_t seconds = 0;        // the game clock at the end
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
    std::string computerNumber;
    std::string playerNumber;
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
