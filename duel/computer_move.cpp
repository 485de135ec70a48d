// The computer's move: its win, the filter of its candidates, the hand-back to the user, and the game's ends.
#include "duel/step_helpers.h"
#include "rules/game_clock.h"
#include "rules/number_rules.h"
#include "rules/records_table.h"

namespace duel {

namespace {

constexpr const char* kPlayOnQuestion = "Вы хотите продолжить игру до разоблачения компьютера ?";
constexpr const char* kContradictionMessage =
    "Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не "
    "возникало таких ситуаций, вводите число при запросе в начале игры.";

// The thinking window shows the filter's progress from this many candidates on.
constexpr int32_t kProgressFrom = 100;

// The guess on show with the answer given to it.
Move AnsweredGuess(const GameState& state) {
    return Move{state.compGuess, Score{state.exactCount, state.partialCount}};
}

// The user goes on guessing alone; the computer makes no further move.
void PlayOnAlone(Duel& duel) {
    steps::EnterUsersTurn(duel);
    duel.state.phase = Phase::PlayingOnAlone;
}

// The computer has found the user's number: its result, the records window,
// then the user chooses between playing on alone and ending the game.
void ComputerWins(Duel& duel) {
    GameState& state = duel.state;
    state.compMoves.push_back(AnsweredGuess(state));
    duel.events.MoveMade(state, Side::Computer, state.compMoves.back(), steps::ShownClockSeconds(state));
    state.phase = Phase::ComputerWon;
    RecordCompWin(state, static_cast<int>(state.compMoves.size()), state.compGuess, ClockPanelText(state.clockSeconds));
    duel.screen.SaveResults();  // a result is saved when it is made
    duel.screen.Refresh();
    duel.screen.ShowRecords();
    if (steps::Ask(duel, kPlayOnQuestion)) {
        PlayOnAlone(duel);
        return;
    }
    steps::EnterGameOver(state);
    duel.events.GameEnded(state, Outcome::ComputerWon);
}

// No number agrees with the answers given by hand: the game is stopped.  The
// game clock stops before the records window opens, as on a win.
void StopAfterContradiction(Duel& duel) {
    GameState& state = duel.state;
    steps::ShowNotice(duel, kContradictionMessage);
    RecordStoppedGame(state);
    duel.screen.SaveResults();
    duel.screen.CloseThinking();
    steps::EnterGameOver(state);
    duel.events.GameEnded(state, Outcome::AnswersContradicted);
    duel.screen.Refresh();
    duel.screen.ShowRecords();
}

}  // namespace

void ComputerMove(Duel& duel) {
    GameState& state = duel.state;
    if (state.busy || state.phase != Phase::ComputerToMove) return;  // nothing re-enters the filter
    if (state.candidateCount == 0 && state.hideAnswer) return StopAfterContradiction(duel);
    if (state.exactCount == 4) return ComputerWins(duel);

    {
        // Busy from here to the hand-back: the cursor shows it, the scorer
        // rests so the answer cannot change, and nothing replaces the list.
        steps::BusyWork busy(state);
        const bool showProgress = state.candidateCount >= kProgressFrom;
        if (showProgress) duel.screen.OpenThinking(state.candidateCount);
        duel.screen.Refresh();
        duel.platform.processEvents();

        state.compMoves.push_back(AnsweredGuess(state));
        const Move answered = state.compMoves.back();
        duel.events.MoveMade(state, Side::Computer, answered, steps::ShownClockSeconds(state));
        state.candidateCount = FilterCandidates(state.candidates, state.candidateCount, answered.guess, answered.answer,
                                                [&duel, showProgress](int32_t i) {
                                                    duel.platform.processEvents();
                                                    if (showProgress && i % 25 == 0) duel.screen.SetThinkingProgress(i);
                                                });
        if (state.closeDeferred) return;  // the window closes now

        if (state.candidateCount > 0) {
            // The turn goes back to the user.
            steps::EnterUsersTurn(duel);
            // With a hidden number the switch is left on: it never starts the
            // scorer, and nothing is answered before the next guess.
            if (state.hideAnswer) state.autoScoring = true;
            duel.screen.CloseThinking();
            duel.screen.Refresh();
            duel.platform.processEvents();
            return;
        }
        // No number agrees with the answers: they contradict each other.
        state.compGuess = kErrorGuess;
        duel.screen.Refresh();
        duel.platform.processEvents();
    }
    if (state.closeDeferred) return;
    StopAfterContradiction(duel);
}

}  // namespace duel
