// The duel's steps: functions over the game state that leave in it everything the window shows.
//
// A window's handler reads what the player chose, calls a step and redraws
// from the state; a test plays a whole duel with a scripted platform and
// screen and no window at all.
#pragma once

#include "duel/duel_screen.h"
#include "duel/game_events.h"
#include "platform/platform.h"
#include "rules/game_state.h"

#include <cstdint>
#include <string>

namespace duel {

// What every step works with: the game's facts, the platform for boxes,
// clocks and randomness, the window that shows the duel, and whoever listens.
struct Duel {
    GameState& state;
    Platform& platform;
    DuelScreen& screen;
    GameEvents& events = GameEvents::Nobody();
};

// ---- New game (new_game.cpp) ----

// Gives up the game that runs, builds the candidate list while the thinking
// window shows its progress, draws the secret and asks for the user's number
// until it is valid or hidden; then the user has the first move and the game
// clock runs; the game takes the player's choice of opponent (strongChosen)
// as it begins and keeps it to its end.  Does nothing while the list is being
// worked on or inside another New game (state.newGameRunning); gives up
// without asking again when the program quits or a close waits
// (state.closeDeferred) after the build.
void NewGame(Duel& duel);

// ---- The user's move (player_move.cpp) ----

// The user's move with `guess`, the text composed so far: the secret wins at
// once; otherwise the guess is checked (length, repeat, digits), scored and
// listed, and the turn goes to the computer unless the user plays on alone.
void PlayerMove(Duel& duel, const std::string& guess);

// The computer's guess for its next move, drawn from its candidates, or in a
// game of the stronger opponent (state.strongOpponent) the candidate that
// splits them best, ties drawn; one random draw either way.  compPickIndex is
// set to its slot.
std::string PickComputerGuess(GameState& state, Platform& platform);

// ---- The answer to the computer's guess (answers.cpp) ----

// The user selected count `count` (0..4) of the exact (злыки) or the partial
// (шелвы) group.  Answered by hand, a pair whose sum exceeds four is refused
// with a message and both counts go back to 0.
enum class AnswerGroup { Exact, Partial };
void GiveAnswer(Duel& duel, AnswerGroup group, int32_t count);

// Switches the automatic scorer on or off; switched on, it answers the guess
// on show at once.
void SetAutoScoring(Duel& duel, bool on);

// One tick of the automatic scorer: the guess on show scored against the
// user's number, while the scorer runs (state.scorerRuns()).
void AutoScoreTick(GameState& state);

// ---- The computer's move (computer_move.cpp) ----

// The computer's move on the answer given: its win (exact count 4), or its
// candidates filtered while the thinking window shows the progress and the
// turn handed back; answers that leave no candidate stop the game.  Does
// nothing while the list is being worked on.
void ComputerMove(Duel& duel);

// ---- The keypad's guess (guess_entry.cpp) ----
//
// These need no screen: the keypad calls them and then has the main window
// redraw.  `boxOwner` owns the refusal's message box.

// AddDigit: state.keyCode 1..9 appends that digit to the composed guess and
// refuses it when it stands there already; kRedrawOnly only redraws.  Nothing
// happens unless the user's guess is open (state.guessOpen()) and holds
// fewer than four characters.  The guess pictures follow state.keypadShownText.
void AddDigit(GameState& state, Platform& platform, QWidget* boxOwner);

// Empties the composed guess and redraws its pictures (AddDigit with kRedrawOnly).
void ClearComposedGuess(GameState& state, Platform& platform, QWidget* boxOwner);

// The keypad's Cancel: the last character taken back, even while the guess is
// closed (the pictures are then not redrawn).
void TakeBackDigit(GameState& state, Platform& platform, QWidget* boxOwner);

// ---- Clocks (clocks.cpp) ----

// One tick of the 20 ms timer: one random draw discarded, so that the draws
// the game uses depend on the user's pace.  True when a new game asked for by
// another window is to start now: never while the list is being worked on
// (the request then waits for a later tick), and a request taken while New
// game runs is dropped, since the game it sets up is the game asked for.
bool FastTick(GameState& state, Platform& platform);

// One tick of the game clock: the seconds since New game into
// state.clockSeconds, or nothing once the game has ended.
void GameClockTick(GameState& state, Platform& platform);

}  // namespace duel
