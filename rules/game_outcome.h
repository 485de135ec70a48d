// The two sides of the duel and the ways a game ends, as the game reports them to whoever listens.
#pragma once

namespace duel {

// Who made a move.
enum class Side { User, Computer };

// How a game ended.
enum class GameOutcome {
    UserWon,               // the user found the computer's number first
    ComputerWon,           // the computer found the user's number, and the user did not go on to win
    UserWonAfterComputer,  // the computer won first, and the user played on alone and won too
    AnswersContradicted,   // the answers given by hand left no number: the game was stopped
    Abandoned,             // a new game was started while this one ran
};

}  // namespace duel
