// The computer's side of the duel: the candidate list built, its number drawn, its guesses picked and filtered.
#include "duel/computer_opponent.h"

#include "duel/step_helpers.h"
#include "rules/candidate_history.h"
#include "rules/strong_guess.h"

namespace duel {

namespace {

// The thinking window shows the filter's progress from this many candidates on.
constexpr int32_t kProgressFrom = 100;

}  // namespace

// BuildCandidates: all 3024 numbers in ascending order, with the thinking
// window's progress and pending events run after every number tried.
void ComputerOpponent::BuildCandidates(Duel& duel) {
    steps::BusyWork busy(duel.state);
    duel.screen.OpenThinking(8888);
    duel.screen.Refresh();
    duel.platform.processEvents();
    candidateCount_ = 0;
    candidateCount_ = BuildCandidateList(candidates_, [&duel](int32_t n) {
        if (n % 25 == 0) duel.screen.SetThinkingProgress(n - 1111);
        duel.platform.processEvents();
    });
    duel.screen.CloseThinking();
    duel.platform.processEvents();
}

bool ComputerOpponent::PrepareGame(Duel& duel) {
    BuildCandidates(duel);
    if (duel.state.closeDeferred) return false;  // the window closes now
    // The program is quitting: this game is given up, nothing more is asked.
    if (duel.platform.quitting()) return false;
    duel.state.compNumber =
        NumberText(candidates_[static_cast<size_t>(DrawIndex(duel.platform.randomFraction(), candidateCount_))]);
    return true;
}

std::optional<Score> ComputerOpponent::AnswerGuess(Duel& duel, const std::string& guess) {
    return ScoreGuess(guess, duel.state.compNumber);
}

std::optional<std::string> ComputerOpponent::MakeGuess(Duel& duel) {
    // One draw either way: the stronger opponent breaks its ties with it.
    const double fraction = duel.platform.randomFraction();
    pickIndex_ = duel.state.strongOpponent ? StrongPickIndex(candidates_, candidateCount_, fraction)
                                           : DrawIndex(fraction, candidateCount_);
    return NumberText(candidates_[static_cast<size_t>(pickIndex_)]);
}

bool ComputerOpponent::AnswersContradicted(const Duel& duel) const {
    return candidateCount_ == 0 && duel.state.hideAnswer;
}

Opponent::AfterAnswer ComputerOpponent::TakeAnswer(Duel& duel, const Move& answered) {
    if (answered.answer.exact == 4) return AfterAnswer::Won;
    GameState& state = duel.state;
    {
        // Busy from here to the hand-back: the cursor shows it, the scorer
        // rests so the answer cannot change, and nothing replaces the list.
        steps::BusyWork busy(state);
        const bool showProgress = candidateCount_ >= kProgressFrom;
        if (showProgress) duel.screen.OpenThinking(candidateCount_);
        duel.screen.Refresh();
        duel.platform.processEvents();

        candidateCount_ = FilterCandidates(candidates_, candidateCount_, answered.guess, answered.answer,
                                           [&duel, showProgress](int32_t i) {
                                               duel.platform.processEvents();
                                               if (showProgress && i % 25 == 0) duel.screen.SetThinkingProgress(i);
                                           });
        if (state.closeDeferred) return AfterAnswer::Interrupted;  // the window closes now

        if (candidateCount_ > 0) {
            HandTurnToPlayer(duel);
            duel.screen.CloseThinking();
            duel.screen.Refresh();
            duel.platform.processEvents();  // still busy: nothing re-enters the filter from here
            return AfterAnswer::TurnBack;
        }
        // No number agrees with the answers: they contradict each other.
        state.compGuess = kErrorGuess;
        duel.screen.Refresh();
        duel.platform.processEvents();
    }
    if (state.closeDeferred) return AfterAnswer::Interrupted;
    return AfterAnswer::Contradiction;
}

void ComputerOpponent::Resume(Duel& duel) { candidateCount_ = RebuildCandidateList(candidates_, duel.state.compMoves); }

}  // namespace duel
