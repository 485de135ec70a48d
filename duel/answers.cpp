// The answer to the computer's guess: the option buttons with their sum check, and the automatic scorer.
#include "duel/step_helpers.h"
#include "platform/translation.h"
#include "rules/number_rules.h"

#include <QString>

namespace duel {

namespace {

// CheckCounts: a pair whose sum exceeds four is refused and both counts go
// back to "нету"; the partial count comes first in the message.
void CheckCounts(Duel& duel) {
    GameState& state = duel.state;
    if (state.exactCount + state.partialCount <= 4) return;
    const QString text = Tr("duel", "Не может быть одновременно %1 шелв(а,ы) и %2 злык(а)")
                             .arg(state.partialCount)
                             .arg(state.exactCount);
    steps::ShowNotice(duel, text.toStdString(), MsgIcon::Exclamation);
    state.partialCount = 0;
    state.exactCount = 0;
}

}  // namespace

void GiveAnswer(Duel& duel, AnswerGroup group, int32_t count) {
    GameState& state = duel.state;
    if (state.busy) return;  // the list is being worked on: the answer cannot change meanwhile
    (group == AnswerGroup::Exact ? state.exactCount : state.partialCount) = count;
    if (!state.autoScoring) CheckCounts(duel);
}

void SetAutoScoring(Duel& duel, bool on) {
    duel.state.autoScoring = on;
    AutoScoreTick(duel.state);  // answers the guess on show now, not a tick later
}

void AutoScoreTick(GameState& state) {
    if (!state.scorerRuns()) return;
    const Score score = ScoreGuess(state.compGuess, state.userNumber);
    state.exactCount = score.exact;
    state.partialCount = score.partial;
}

}  // namespace duel
