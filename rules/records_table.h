// The records table: three best wins of the user and the last result of each side.
#pragma once

#include "rules/game_state.h"

#include <cstdint>
#include <string>

namespace duel {

// Places "Профи" 4, "Бывалый" 6, "Балбес" 9 with "-" as number and time, and
// all six last results "-".  newRecordPlace is left alone.
void ResetRecords(GameState& state);

// The user guessed the computer's number in `tries` guesses (the winning one
// included).  Sets the user's last result and, when the count's decimal text
// has at most four characters, the first place k whose guesses are >= tries:
// place k is overwritten (a tie goes to the new result, nothing moves down)
// and newRecordPlace = k; its name stays until the winner types one.
// newRecordPlace is 0 when no place was taken.
void RecordUserWin(GameState& state, int32_t tries, const std::string& compNumber, const std::string& clockText);

// The computer guessed the user's number `number` in `tries` guesses.
void RecordCompWin(GameState& state, int tries, const std::string& number, const std::string& clockText);

// The game was stopped before the user won: the user's number of guesses
// becomes "-", the number the computer's secret; the user's time stays.
void RecordStoppedGame(GameState& state);

}  // namespace duel
