// Where the game reports what happens in it: a game started, a move made, a game ended, results and choices changed.
#pragma once

#include "rules/game_outcome.h"
#include "rules/game_state.h"
#include "rules/score.h"

#include <cstdint>

namespace duel {

// The steps call these at the moments they name; a listener (the journal of
// games, the keepers of the settings and of the player's choices) overrides
// what it needs.  The defaults do nothing.  No step writes a file itself.
class GameEvents {
public:
    virtual ~GameEvents() = default;

    // A game has been set up: the mode (state.hideAnswer) and the secrets
    // (state.compNumber, and state.userNumber unless hidden) are known.
    virtual void GameStarted(const GameState&) {}

    // A guess of `side` has been answered (the user's winning guess with 4 and
    // 0), at `clockSeconds` of the game clock as status panel 2 shows it.
    virtual void MoveMade(const GameState&, Side, const Move&, int64_t /*clockSeconds*/) {}

    // The game has ended with `outcome`; the records have been updated.  A
    // game still running when the program ends is not reported as ended.
    virtual void GameEnded(const GameState&, Outcome) {}

    // The records or the last results have changed (a result made, a record
    // holder's name typed, a reset): a result is kept as soon as it is made.
    virtual void ResultsChanged(const GameState&) {}

    // The player's own choices (hintChosen, strongChosen) have changed.
    virtual void ChoicesChanged(const GameState&) {}

    // A listener that does nothing, for a duel nobody listens to.
    static GameEvents& Nobody() {
        static GameEvents nobody;
        return nobody;
    }
};

}  // namespace duel
