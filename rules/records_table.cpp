// Updates of the records table on a win, a stopped game and a reset.
#include "rules/records_table.h"

namespace duel {
namespace {

// A count whose decimal text is longer than this takes no place.
constexpr std::size_t kMaxPlaceTriesLength = 4;

// First place whose guesses the new result equals or beats; 0 for none.
int PlaceFor(GameState& state, int32_t tries) {
    for (int place = 1; place <= 3; ++place) {
        if (tries <= state.recTries(place)) {
            return place;
        }
    }
    return 0;
}

}  // namespace

void ResetRecords(GameState& state) {
    state.recName1 = "Профи";
    state.recName2 = "Бывалый";
    state.recName3 = "Балбес";
    state.recTries1 = 4;
    state.recTries2 = 6;
    state.recTries3 = 9;
    for (int place = 1; place <= 3; ++place) {
        state.recNumber(place) = "-";
        state.recTime(place) = "-";
    }
    state.lastCompTries = state.lastCompNumber = state.lastCompTime = "-";
    state.lastUserTries = state.lastUserNumber = state.lastUserTime = "-";
}

void RecordUserWin(GameState& state, int32_t tries, const std::string& compNumber, const std::string& clockText) {
    state.newRecordPlace = 0;
    state.lastUserTries = std::to_string(tries);
    if (state.lastUserTries.size() <= kMaxPlaceTriesLength) {
        if (const int place = PlaceFor(state, tries); place != 0) {
            state.recTries(place) = tries;
            state.recNumber(place) = compNumber;
            state.recTime(place) = clockText;
            state.newRecordPlace = place;
        }
    }
    state.lastUserNumber = compNumber;
    state.lastUserTime = clockText;
}

void RecordCompWin(GameState& state, int tries, const std::string& number, const std::string& clockText) {
    state.lastCompTries = std::to_string(tries);
    state.lastCompNumber = number;
    state.lastCompTime = clockText;
}

void RecordStoppedGame(GameState& state) {
    state.lastUserNumber = state.compNumber;
    state.lastUserTries = "-";
}

}  // namespace duel
