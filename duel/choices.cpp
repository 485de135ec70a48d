// The player's own choices: the hint and the stronger opponent.
#include "duel/duel.h"

namespace duel {

void ChooseHint(GameState& state, GameEvents& events, bool on) {
    state.hintChosen = on;
    events.ChoicesChanged(state);
}

// The game that runs keeps the opponent it began with (state.strongOpponent).
void ChooseStrongOpponent(GameState& state, GameEvents& events, bool on) {
    state.strongChosen = on;
    events.ChoicesChanged(state);
}

}  // namespace duel
