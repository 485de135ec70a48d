// Every value the settings file keeps, in one comparable, printable list: the tests and the fuzz target compare
// a state read back with the state written through it.
#pragma once

#include "rules/game_state.h"

#include <string>
#include <vector>

namespace duel::testing {

inline std::vector<std::string> StoredValues(const GameState& s) {
    return {s.recTime1,
            s.recTime2,
            s.recTime3,
            s.lastCompTime,
            s.lastUserTime,
            s.galleryChoice,
            std::to_string(s.keypadDock),
            s.recName1,
            s.recName2,
            s.recName3,
            std::to_string(s.recTries1),
            std::to_string(s.recTries2),
            std::to_string(s.recTries3),
            s.recNumber1,
            s.recNumber2,
            s.recNumber3,
            s.lastCompTries,
            s.lastUserTries,
            s.lastCompNumber,
            s.lastUserNumber};
}

}  // namespace duel::testing
