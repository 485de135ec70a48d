// The player's own choices: the hint, the stronger opponent, the name in duels over the network.
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

void ChooseJabberAccount(GameState& state, GameEvents& events, const std::string& jid, const std::string& server) {
    if (state.jabberAccount == jid && state.jabberServer == server) return;
    state.jabberAccount = jid;
    state.jabberServer = server;
    events.ChoicesChanged(state);
}

void ChoosePlayerName(GameState& state, GameEvents& events, const std::string& name) {
    if (state.playerName == name) return;
    state.playerName = name;
    events.ChoicesChanged(state);
}

}  // namespace duel
