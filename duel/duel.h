// The duel's steps: functions over the game state that leave in it everything the window shows.
//
// A window's handler reads what the player chose, calls a step and redraws
// from the state; a test plays a whole duel with a scripted platform, screen
// and opponent and no window at all.
#pragma once

#include "duel/duel_screen.h"
#include "duel/game_events.h"
#include "duel/opponent.h"
#include "duel/prize.h"
#include "platform/platform.h"
#include "rules/game_state.h"

#include <cstdint>
#include <string>

namespace duel {

// What every step works with: the game's facts, the platform for boxes,
// clocks and randomness, the window that shows the duel, the other side of
// the duel, whoever listens to the game, and the prize of a won game.
struct Duel {
    GameState& state;
    Platform& platform;
    DuelScreen& screen;
    Opponent& opponent;
    GameEvents& events = GameEvents::Nobody();
    Prize& prize = Prize::None();
};

// ---- New game (new_game.cpp) ----

// Gives up the game that runs, has the opponent make its side ready (the
// computer's candidate list with the thinking window, its number) and asks
// for the user's number until it is valid or hidden; then the user has the
// first move and the game clock runs; the game takes the player's choice of
// opponent (strongChosen) as it begins and keeps it to its end.  Does nothing
// while the list is being worked on or inside another New game
// (state.newGameRunning); gives up without asking again when the program
// quits or a close waits (state.closeDeferred) after the build.
void NewGame(Duel& duel);

// The game that runs is given up (as New game gives it up) and the window
// shows that no game runs; for a duel over the network that takes its place.
void GiveUpGame(Duel& duel);

// ---- The user's move (player_move.cpp) ----

// The user's move with `guess`, the text composed so far: the guess is
// checked (length, repeat, digits) and handed to the opponent; its answer
// (now, or later through AnswerArrived) wins at once or is listed, and the
// turn goes to the opponent unless the user plays on alone.
void PlayerMove(Duel& duel, const std::string& guess);

// The opponent's answer to the user's `guess`, which came later.
void AnswerArrived(Duel& duel, const std::string& guess, Score answer);

// The opponent's guess, which came later: it goes on show to be answered.
void GuessArrived(Duel& duel, const std::string& guess);

// The user to move with an empty guess, no opponent's guess and the answer
// back to "нету"/"нету"; with a hidden number the scorer's switch is left on
// (it never starts the scorer, and nothing is answered before the next guess).
void HandTurnToPlayer(Duel& duel);

// An opponent that decides the end of its games (a person over the network)
// has ended the game that runs with `outcome`: the message (its end, and the
// opponent's number when it was revealed) is shown and the game is over.  The
// records and the gallery are for games against the computer and stay as
// they are.  Nothing happens when no game runs.
void OpponentEndsGame(Duel& duel, Outcome outcome, const std::string& message);

// The opponent has the turn: its guess goes on show now (typed numbers
// answered by the scorer at once, hidden ones waiting for the user), or the
// game waits for it, or, when the last round is over, for its end.
void HandTurnToOpponent(Duel& duel);

// ---- The answer to the opponent's guess (answers.cpp) ----

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

// ---- The opponent's move (opponent_move.cpp) ----

// The opponent's move on the answer given to its guess: the answer listed and
// reported, then its win (the computer's result, the records, the question
// whether to play on), or the turn handed back, or the game stopped when the
// answers contradict each other.  Does nothing while the list is being worked
// on.
void OpponentMove(Duel& duel);

// ---- The records (records_steps.cpp) ----

// The new record holder of place 1..3 has typed `name` (already storable):
// the place takes it and no name is awaited any more.
void NameRecordHolder(GameState& state, GameEvents& events, int place, const std::string& name);

// "С&брос результатов": the records and the last results back to their start.
void ResetResults(GameState& state, GameEvents& events);

// ---- The player's own choices (choices.cpp) ----

// The hint in status panel 1 on or off; the game goes on as it was.
void ChooseHint(GameState& state, GameEvents& events, bool on);
// The stronger opponent on or off, from the next game on.
void ChooseStrongOpponent(GameState& state, GameEvents& events, bool on);
// The player's name in duels over the network, kept for the next run.
void ChoosePlayerName(GameState& state, GameEvents& events, const std::string& name);
// The player's Jabber address and server, kept for the next duel through Jabber.
void ChooseJabberAccount(GameState& state, GameEvents& events, const std::string& jid, const std::string& server);

// ---- The keypad's guess (guess_entry.cpp) ----
//
// These need no screen: the keypad calls them and then has the main window
// redraw.  `boxOwner` owns the refusal's message box.

// AddDigit: the digit 1..9 appended to the composed guess, and refused when it
// stands there already.  Nothing happens while the list is being worked on,
// unless the user's guess is open (state.guessOpen()) and holds fewer than
// four characters, or for any other digit.
void AddDigit(GameState& state, Platform& platform, QWidget* boxOwner, int digit);

// Empties the composed guess.
void ClearComposedGuess(GameState& state);

// The keypad's Cancel: the last character taken back, even while the guess is
// closed; nothing while the list is being worked on.
void TakeBackDigit(GameState& state);

// ---- Clocks (clocks.cpp) ----

// One tick of the 20 ms timer: one random draw discarded, so that the draws
// the game uses depend on the user's pace.  True when a new game asked for by
// another window is to start now: never while the list is being worked on
// (the request then waits for a later tick), and a request taken while New
// game runs is dropped, since the game it sets up is the game asked for.
bool FastTick(GameState& state, Platform& platform);

// One tick of the game clock: the seconds since New game into
// state.clockSeconds, or nothing once the game has ended; and the seconds left
// for the player's move where a duel over the network limits it.
void GameClockTick(GameState& state, Platform& platform);

}  // namespace duel
