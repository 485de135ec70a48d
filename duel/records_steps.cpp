// The records table's own steps: a new record holder's name, and the reset.
#include "duel/duel.h"
#include "rules/records_table.h"

namespace duel {

void NameRecordHolder(GameState& state, GameEvents& events, int place, const std::string& name) {
    if (place < 1 || place > 3) return;
    state.record(place).name = name;
    state.newRecordPlace = 0;
    events.ResultsChanged(state);
}

void ResetResults(GameState& state, GameEvents& events) {
    ResetRecords(state);
    events.ResultsChanged(state);
}

}  // namespace duel
