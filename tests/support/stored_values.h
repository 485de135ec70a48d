// Every value the settings file keeps, in one comparable, printable list: the tests and the fuzz target compare
// a state read back with the state written through it.
#pragma once

#include "rules/game_state.h"
#include "rules/records_table.h"

#include <string>
#include <vector>

namespace duel::testing {

// The state the settings file holds after a reset: the records emptied, the
// first picture set, the keypad centred.
inline GameState ResetState() {
    GameState state;
    ResetRecords(state);
    state.galleryChoice = "01";
    state.keypadDock = 2;
    return state;
}

inline std::vector<std::string> StoredValues(const GameState& s) {
    return {s.records[0].time,
            s.records[1].time,
            s.records[2].time,
            s.lastComp.time,
            s.lastUser.time,
            s.galleryChoice,
            std::to_string(s.keypadDock),
            s.records[0].name,
            s.records[1].name,
            s.records[2].name,
            std::to_string(s.records[0].tries),
            std::to_string(s.records[1].tries),
            std::to_string(s.records[2].tries),
            s.records[0].number,
            s.records[1].number,
            s.records[2].number,
            s.lastComp.tries,
            s.lastUser.tries,
            s.lastComp.number,
            s.lastUser.number};
}

}  // namespace duel::testing
