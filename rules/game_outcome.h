// The two sides of the duel and the ways a game ends, as the game reports them and the journal keeps them.
#pragma once

#include <cstdint>

namespace duel {

// Who made a move.  The values are stored in the journal of games: never renumber them.  In a duel over
// the network Computer stands for the opponent.
enum class Side : int32_t {
    User = 0,
    Computer = 1,
};

// How a game ended.  The values are stored in the journal of games: never renumber them.
enum class Outcome : int32_t {
    Unfinished = 0,            // still being played (or the program died during it); never reported as an end
    UserWon = 1,               // the user found the computer's number first
    ComputerWon = 2,           // the computer found the user's number, and the user did not go on to win
    UserWonAfterComputer = 3,  // the computer won first, and the user played on alone and won too
    AnswersContradicted = 4,   // the answers given by hand left no number: the game was stopped
    Abandoned = 5,             // a new game was started while this one ran
    // Endings of a duel over the network (Computer is the opponent there).
    Draw = 6,  // both sides found the other's number with the same move
    OpponentForfeited =
        7,  // the opponent lied about its answers, left or stalled before revealing its number: the user won
    ConnectionLost = 8,  // the connection ended before both sides had committed to their numbers: nobody won
    UserForfeited = 9,   // the user left or let its move's time pass once both had committed: the opponent won
};

// The largest value of Outcome, for reading stored values back.
inline constexpr int32_t kLastOutcome = static_cast<int32_t>(Outcome::UserForfeited);

}  // namespace duel
