// The user's move: the secret found, or the guess checked, scored and listed, then the computer's turn.
#include "duel/step_helpers.h"
#include "rules/game_clock.h"
#include "rules/number_rules.h"
#include "rules/records_table.h"
#include "rules/strong_guess.h"

namespace duel {

namespace {

constexpr const char* kRepeatedGuess = "Повторяющийся вариант !";

// The user has found the computer's number with `guess`.
void UserWins(Duel& duel, const std::string& guess) {
    GameState& state = duel.state;
    const bool afterComputer = state.compGuessed();
    duel.events.MoveMade(state, Side::User, Move{guess, Score{4, 0}}, steps::ShownClockSeconds(state));
    RecordUserWin(state, static_cast<int32_t>(state.userMoves.size()) + 1, state.compNumber,
                  ClockPanelText(state.clockSeconds));
    duel.screen.SaveResults();  // the win is kept even if the run ends before the name is typed
    state.phase = Phase::UserWon;
    state.newGameHintShown = true;
    state.gameStart = kClockStopped;
    duel.events.GameEnded(state, afterComputer ? Outcome::UserWonAfterComputer : Outcome::UserWon);
    duel.screen.Refresh();
    duel.screen.ShowWonPicture();
    duel.screen.ShowRecords();
    steps::EnterGameOver(state);
}

// The computer's guess goes on show and the computer has the turn; typed
// numbers are answered by the scorer at once, hidden ones wait for the user.
void HandTurnToComputer(Duel& duel) {
    GameState& state = duel.state;
    state.compGuess = PickComputerGuess(state, duel.platform);
    state.phase = Phase::ComputerToMove;
    if (!state.hideAnswer) {
        SetAutoScoring(duel, true);
    } else {
        state.exactCount = 0;
        state.partialCount = 0;
        state.autoScoring = false;
    }
}

}  // namespace

std::string PickComputerGuess(GameState& state, Platform& platform) {
    // One draw either way: the stronger opponent breaks its ties with it.
    const double fraction = platform.randomFraction();
    state.compPickIndex = state.strongOpponent ? StrongPickIndex(state.candidates, state.candidateCount, fraction)
                                               : DrawIndex(fraction, state.candidateCount);
    return NumberText(state.candidates[static_cast<size_t>(state.compPickIndex)]);
}

void PlayerMove(Duel& duel, const std::string& guess) {
    GameState& state = duel.state;
    if (state.busy || !state.userToMove()) return;
    if (!state.compNumber.empty() && guess == state.compNumber) return UserWins(duel, guess);

    state.userGuess = guess;
    if (auto failure = CheckNumberLength(guess)) return steps::ShowError(duel, *failure);
    for (const Move& earlier : state.userMoves) {
        if (earlier.guess != guess) continue;
        ClearComposedGuess(state, duel.platform, duel.screen.ownerWidget());
        return steps::ShowNotice(duel, kRepeatedGuess);
    }
    if (auto failure = CheckNumberDigits(guess)) return steps::ShowError(duel, *failure);

    state.userMoves.push_back(Move{guess, ScoreGuess(guess, state.compNumber)});
    duel.events.MoveMade(state, Side::User, state.userMoves.back(), steps::ShownClockSeconds(state));
    ClearComposedGuess(state, duel.platform, duel.screen.ownerWidget());

    if (state.compGuessed()) return;  // the user plays on alone
    HandTurnToComputer(duel);
}

}  // namespace duel
