// The user's move: the guess checked and handed to the opponent, its answer listed or the win, then its turn.
#include "duel/step_helpers.h"
#include "rules/game_clock.h"
#include "rules/number_rules.h"
#include "rules/player_text.h"
#include "rules/records_table.h"

namespace duel {

namespace {

constexpr const char* kRepeatedGuess = DUEL_MARK("duel", "Повторяющийся вариант !");

// The user has found the opponent's number with `guess`.
void UserWins(Duel& duel, const std::string& guess) {
    GameState& state = duel.state;
    const bool afterComputer = state.compGuessed();
    duel.events.MoveMade(state, Side::User, Move{guess, Score{4, 0}}, steps::ShownClockSeconds(state));
    RecordUserWin(state, static_cast<int32_t>(state.userMoves.size()) + 1, state.compNumber,
                  ClockPanelText(state.clockSeconds));
    duel.events.ResultsChanged(state);  // the win is kept even if the run ends before the name is typed
    state.phase = Phase::UserWon;
    state.gameStart = kClockStopped;
    const Outcome outcome = afterComputer ? Outcome::UserWonAfterComputer : Outcome::UserWon;
    duel.events.GameEnded(state, outcome);
    duel.opponent.GameEnded(duel, outcome);
    duel.screen.Refresh();
    duel.prize.GiveWonPicture();
    state.phase = Phase::UserWonRecords;  // the records window takes the move buttons away as it opens
    duel.screen.ShowRecords();
    steps::EnterGameOver(state);
}

// The opponent's guess goes on show and waits for its answer: typed numbers
// are answered by the scorer at once, hidden ones wait for the user.
void ShowOpponentsGuess(Duel& duel, const std::string& guess) {
    GameState& state = duel.state;
    state.compGuess = guess;
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

void HandTurnToOpponent(Duel& duel) {
    if (duel.opponent.awaitingEnd()) {
        duel.state.phase = Phase::Revealing;
        return;
    }
    if (const std::optional<std::string> guess = duel.opponent.MakeGuess(duel)) return ShowOpponentsGuess(duel, *guess);
    duel.state.phase = Phase::OpponentToMove;
}

namespace {

// The opponent's answer to the user's guess: a win, or a line of the history
// and the turn handed over.  Only the computer's number found ends the game
// at once; a person's game ends when its round is over and both numbers are
// revealed, so the finding guess is listed as any other.
void TakeOpponentsAnswer(Duel& duel, const std::string& guess, Score answer) {
    GameState& state = duel.state;
    if (answer.exact == 4 && duel.opponent.isComputer()) return UserWins(duel, guess);
    state.userMoves.push_back(Move{guess, answer});
    duel.events.MoveMade(state, Side::User, state.userMoves.back(), steps::ShownClockSeconds(state));
    ClearComposedGuess(state);

    if (state.compGuessed()) return;  // the user plays on alone
    HandTurnToOpponent(duel);
}

}  // namespace

void PlayerMove(Duel& duel, const std::string& guess) {
    GameState& state = duel.state;
    if (state.busy || !state.userToMove()) return;

    // The checks in their order; a number the opponent could have chosen
    // passes them all, so its finding is never refused.
    if (auto failure = CheckNumberLength(guess)) return steps::ShowError(duel, *failure);
    for (const Move& earlier : state.userMoves) {
        if (earlier.guess != guess) continue;
        ClearComposedGuess(state);
        return steps::ShowNotice(duel, Word("duel", kRepeatedGuess));
    }
    if (auto failure = CheckNumberDigits(guess)) return steps::ShowError(duel, *failure);

    const std::optional<Score> answer = duel.opponent.AnswerGuess(duel, guess);
    if (!answer) {
        // The answer comes later; the guess stays as composed until then.
        state.phase = Phase::AwaitingAnswer;
        return;
    }
    TakeOpponentsAnswer(duel, guess, *answer);
}

void AnswerArrived(Duel& duel, const std::string& guess, Score answer) {
    if (duel.state.phase != Phase::AwaitingAnswer) return;
    duel.state.phase = Phase::UserToMove;
    TakeOpponentsAnswer(duel, guess, answer);
}

void GuessArrived(Duel& duel, const std::string& guess) {
    if (duel.state.phase != Phase::OpponentToMove) return;
    ShowOpponentsGuess(duel, guess);
}

void OpponentEndsGame(Duel& duel, Outcome outcome, const std::string& message) {
    GameState& state = duel.state;
    if (!state.gameRunning()) return;
    steps::EnterGameOver(state);
    state.autoScoring = false;
    state.compGuess.clear();
    duel.events.GameEnded(state, outcome);
    duel.opponent.GameEnded(duel, outcome);
    if (!message.empty()) steps::ShowNotice(duel, message);
}

void HandTurnToPlayer(Duel& duel) {
    GameState& state = duel.state;
    steps::EnterUsersTurn(duel);
    // With a hidden number the switch is left on: it never starts the
    // scorer, and nothing is answered before the next guess.
    if (state.hideAnswer) state.autoScoring = true;
}

}  // namespace duel
