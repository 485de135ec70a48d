// The records table: three best wins of the user and the last result of each side.
#pragma once

#include "rules/game_clock.h"
#include "rules/game_state.h"
#include "rules/player_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace duel {

// Places "Профи" 4, "Бывалый" 6, "Балбес" 9 with "-" as number and time, and
// all six last results "-".  newRecordPlace is left alone.
void ResetRecords(GameState& state);

// The names a fresh records table holds; kept in the settings file in Russian whatever the language.
inline constexpr const char* kStartingRecordNames[3] = {DUEL_MARK("rules", "Профи"), DUEL_MARK("rules", "Бывалый"),
                                                        DUEL_MARK("rules", "Балбес")};

// A records table's name as the player reads it: a starting name (one with no number guessed) in
// the player's language, any other as it was typed.
std::string ShownRecordName(const RecordPlace& place);
// A kept result's text as the player reads it: the stopped clock's text and the computer's
// "Ошибка !" in the player's language, any other text as it is.
std::string ShownResultText(std::string_view text);

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
