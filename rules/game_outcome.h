// The two sides of the duel and the ways a game ends, as the game reports them and the journal keeps them.
#pragma once

#include <cstdint>

namespace duel {

// Who made a move.  The values are stored in the journal of games: never renumber them.
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
};

}  // namespace duel
