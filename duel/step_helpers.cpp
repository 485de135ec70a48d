// The user's turn and the end of a game, as several steps enter them.
#include "duel/step_helpers.h"

namespace duel::steps {

void EnterUsersTurn(Duel& duel) {
    GameState& state = duel.state;
    state.phase = Phase::UserToMove;
    state.autoScoring = false;
    ClearComposedGuess(state);
    state.compGuess.clear();
    state.partialCount = 0;
    state.exactCount = 0;
}

void EnterGameOver(GameState& state) {
    state.phase = Phase::GameOver;
    state.gameStart = kClockStopped;
}

}  // namespace duel::steps
