// The ticks of the duel's two clocks: the 20 ms tick's random draw and new-game request, and the game clock.
#include "duel/duel.h"

#include <algorithm>
#include <cmath>

namespace duel {

bool FastTick(GameState& state, Platform& platform) {
    platform.randomFraction();  // keeps the generator moving with the user's pace
    if (!state.playNowRequested || state.busy) return false;
    state.playNowRequested = false;
    // Asked for while New game sets a game up (its prize window opened during
    // the build): the game being set up is the one asked for.
    return !state.newGameRunning;
}

void GameClockTick(GameState& state, Platform& platform) {
    if (state.moveDeadline) {
        const double left = std::ceil(*state.moveDeadline - platform.monotonicSeconds());
        state.moveSecondsLeft = static_cast<int64_t>(std::max(0.0, left));
    } else {
        state.moveSecondsLeft.reset();
    }
    if (state.gameStart == kClockStopped) {
        state.clockSeconds.reset();
        return;
    }
    const double elapsed = platform.monotonicSeconds() - state.clockStartSeconds;
    state.clockSeconds = static_cast<int64_t>(std::floor(elapsed));
}

}  // namespace duel
