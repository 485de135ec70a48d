// Resuming a game the journal kept: secrets, histories, candidates, clock and the turn of the side to move.
#include "duel/resume_game.h"

#include "duel/step_helpers.h"

#include <cmath>

namespace duel {

void ResumeGame(Duel& duel, const SavedGame& saved) {
    GameState& state = duel.state;
    if (state.busy) return;
    const GameRecord& game = saved.game;

    state.compNumber = game.computerNumber;
    state.hideAnswer = game.mode == GameMode::Hidden;
    state.userNumber = state.hideAnswer ? std::string() : game.playerNumber;
    state.strongOpponent = game.strength == 1;
    state.userMoves = saved.MovesOf(Side::User);
    state.compMoves = saved.MovesOf(Side::Computer);
    duel.opponent.Resume(duel);
    state.playNowRequested = false;

    // The clock goes on from where the last move left it.
    const int32_t seconds = saved.ClockSeconds();
    state.gameStart = static_cast<int32_t>(std::floor(duel.platform.secondsSinceMidnight()));
    state.clockStartSeconds = duel.platform.monotonicSeconds() - seconds;
    state.clockSeconds = seconds;

    steps::EnterUsersTurn(duel);
    if (saved.ComputerFoundNumber()) {
        state.phase = Phase::PlayingOnAlone;
    } else if (saved.NextToMove() == Side::Computer) {
        // The turn as the user's move hands it over: a guess drawn from the
        // candidates, scored at once for a typed number, by hand otherwise.
        state.compGuess = duel.opponent.MakeGuess(duel).value_or(std::string());
        state.phase = Phase::ComputerToMove;
        if (!state.hideAnswer) SetAutoScoring(duel, true);
    } else if (state.hideAnswer && !state.compMoves.empty()) {
        // As the computer's move leaves it when it hands the turn back.
        state.autoScoring = true;
    }
}

}  // namespace duel
