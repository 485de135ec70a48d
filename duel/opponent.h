// The other side of the duel: told the player's guesses, it answers them, makes its own and takes their answers.
#pragma once

#include "rules/game_outcome.h"
#include "rules/score.h"

#include <optional>
#include <string>

namespace duel {

struct Duel;

// The steps tell the opponent what happens on the player's side and ask it
// for its side's moves.  An opponent answers and guesses at once (the
// computer) or later (a person at another computer): it then returns nothing
// now, and its answer or guess is handed to AnswerArrived or GuessArrived
// when it comes.  It may never come: the game then ends through
// OpponentEndsGame, as does any game whose end the opponent decides.
class Opponent {
public:
    virtual ~Opponent() = default;

    // The computer: its wins go into the records, a won game gives the
    // gallery's prize, and after its win the player may play on alone.
    virtual bool isComputer() const = 0;
    // The player may keep the number hidden and answer the guesses by hand.
    virtual bool allowsHiddenNumber() const = 0;
    // The opponent has the first move of a game (the player's comes first otherwise).
    virtual bool movesFirst() const { return false; }

    // New game: the opponent's side of a new game made ready (the computer
    // builds its candidate list, showing the thinking window, and draws its
    // number into state.compNumber).  False when the game was given up
    // meanwhile: the program quits or the window closes.
    virtual bool PrepareGame(Duel& duel) = 0;

    // The game begins: the player's number is settled (state.userNumber, or
    // hidden) and the game clock runs.
    virtual void GameBegins(Duel&) {}

    // The opponent is gone while New game sets the game up (a person who
    // left while the player typed the number): New game stops without a game.
    virtual bool gone() const { return false; }
    // An empty answer to the number prompt (its Cancel) gives up the game
    // being set up instead of asking again (a person waits for the number;
    // the computer offers to keep it hidden).
    virtual bool cancelGivesUp() const { return false; }
    // How the game that runs ends when the player gives it up (New game, a
    // quit), given how it would end against the computer: a person over the
    // network counts it as the player's forfeit once the duel has begun.
    virtual Outcome GivenUpOutcome(Outcome usual) const { return usual; }

    // The player's guess, checked and not a repeat: the opponent's answer now,
    // or nothing when it comes later.
    virtual std::optional<Score> AnswerGuess(Duel& duel, const std::string& guess) = 0;

    // The opponent's turn: its guess now, or nothing when it comes later.
    virtual std::optional<std::string> MakeGuess(Duel& duel) = 0;

    // What the opponent made of the answer to its guess.
    enum class AfterAnswer {
        TurnBack,       // it took the answer in and handed the turn back (HandTurnToPlayer)
        PlayerToMove,   // it took the answer in: the player moves next (the step hands the turn over)
        Won,            // the answer says it has found the player's number
        Contradiction,  // no number agrees with the answers given: the game is to stop
        Interrupted,    // the window closes meanwhile: nothing more happens
        AwaitingEnd,    // the last round is over: the end of the game comes later
    };
    // The player's answer to the opponent's guess on show, which has already
    // been listed and reported as the opponent's move.
    virtual AfterAnswer TakeAnswer(Duel& duel, const Move& answered) = 0;

    // True when the answers given so far already leave no number: the game is
    // to stop before the next answer is taken.
    virtual bool AnswersContradicted(const Duel&) const { return false; }

    // True when the last round is over and the game waits for its end (a
    // person's number being revealed and checked): nobody moves any more.
    virtual bool awaitingEnd() const { return false; }

    // A game the journal kept goes on: the opponent's side as its answered
    // guesses (state.compMoves) leave it.
    virtual void Resume(Duel&) {}

    // The game has ended with `outcome` (won, lost, stopped or given up).
    virtual void GameEnded(Duel&, Outcome) {}
};

}  // namespace duel
