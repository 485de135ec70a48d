// The opponent's move on the answer given: the answer listed, then its win, the hand-back, or the game stopped.
#include "duel/step_helpers.h"
#include "rules/game_clock.h"
#include "rules/player_text.h"
#include "rules/records_table.h"

namespace duel {

namespace {

constexpr const char* kPlayOnQuestion = DUEL_MARK("duel", "Вы хотите продолжить игру до разоблачения компьютера ?");
constexpr const char* kContradictionMessage =
    DUEL_MARK("duel",
              "Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не "
              "возникало таких ситуаций, вводите число при запросе в начале игры.");

// A game that ends without the player finding the computer's number shows it
// once the game is over.
void TellComputersNumber(Duel& duel) {
    if (!duel.opponent.isComputer() || duel.state.compNumber.empty()) return;
    steps::ShowNotice(duel, Word(DUEL_TEXT("duel", "Компьютер загадал число %1."), {duel.state.compNumber}));
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
    state.phase = Phase::ComputerWon;
    RecordCompWin(state, static_cast<int>(state.compMoves.size()), state.compGuess, ClockPanelText(state.clockSeconds));
    duel.events.ResultsChanged(state);  // a result is saved when it is made
    duel.screen.Refresh();
    duel.screen.ShowRecords();
    if (steps::Ask(duel, Word("duel", kPlayOnQuestion))) {
        PlayOnAlone(duel);
        return;
    }
    steps::EnterGameOver(state);
    duel.events.GameEnded(state, Outcome::ComputerWon);
    duel.opponent.GameEnded(duel, Outcome::ComputerWon);
    TellComputersNumber(duel);
}

// No number agrees with the answers given by hand: the game is stopped.  The
// game clock stops before the records window opens, as on a win; the history
// and the answer frames grey out once it has closed.
void StopAfterContradiction(Duel& duel) {
    GameState& state = duel.state;
    steps::ShowNotice(duel, Word("duel", kContradictionMessage));
    RecordStoppedGame(state);
    duel.events.ResultsChanged(state);
    duel.screen.CloseThinking();
    state.phase = Phase::StoppedRecords;
    state.gameStart = kClockStopped;
    duel.events.GameEnded(state, Outcome::AnswersContradicted);
    duel.opponent.GameEnded(duel, Outcome::AnswersContradicted);
    duel.screen.Refresh();
    duel.screen.ShowRecords();
    steps::EnterGameOver(state);
    TellComputersNumber(duel);
}

}  // namespace

void OpponentMove(Duel& duel) {
    GameState& state = duel.state;
    if (state.busy || state.phase != Phase::ComputerToMove) return;  // nothing re-enters the filter
    if (duel.opponent.AnswersContradicted(duel)) return StopAfterContradiction(duel);

    state.compMoves.push_back(Move{state.compGuess, Score{state.exactCount, state.partialCount}});
    const Move answered = state.compMoves.back();
    duel.events.MoveMade(state, Side::Computer, answered, steps::ShownClockSeconds(state));
    switch (duel.opponent.TakeAnswer(duel, answered)) {
        case Opponent::AfterAnswer::Won:
            return ComputerWins(duel);
        case Opponent::AfterAnswer::Contradiction:
            return StopAfterContradiction(duel);
        case Opponent::AfterAnswer::PlayerToMove:
            return HandTurnToPlayer(duel);
        case Opponent::AfterAnswer::AwaitingEnd:
            state.phase = Phase::Revealing;
            return;
        case Opponent::AfterAnswer::TurnBack:
        case Opponent::AfterAnswer::Interrupted:
            return;
    }
}

}  // namespace duel
