// Updates of the records table on a win, a stopped game and a reset.
#include "rules/records_table.h"

namespace duel {
namespace {

// A count whose decimal text is longer than this takes no place.
constexpr std::size_t kMaxPlaceTriesLength = 4;

// First place whose guesses the new result equals or beats; 0 for none.
int PlaceFor(GameState& state, int32_t tries) {
    for (int place = 1; place <= 3; ++place) {
        if (tries <= state.record(place).tries) {
            return place;
        }
    }
    return 0;
}

}  // namespace

void ResetRecords(GameState& state) {
    state.records = {{{"Профи", 4, "-", "-"}, {"Бывалый", 6, "-", "-"}, {"Балбес", 9, "-", "-"}}};
    state.lastComp = {"-", "-", "-"};
    state.lastUser = {"-", "-", "-"};
}

void RecordUserWin(GameState& state, int32_t tries, const std::string& compNumber, const std::string& clockText) {
    state.newRecordPlace = 0;
    state.lastUser.tries = std::to_string(tries);
    if (state.lastUser.tries.size() <= kMaxPlaceTriesLength) {
        if (const int place = PlaceFor(state, tries); place != 0) {
            RecordPlace& taken = state.record(place);
            taken.tries = tries;
            taken.number = compNumber;
            taken.time = clockText;
            state.newRecordPlace = place;
        }
    }
    state.lastUser.number = compNumber;
    state.lastUser.time = clockText;
}

void RecordCompWin(GameState& state, int tries, const std::string& number, const std::string& clockText) {
    state.lastComp = {std::to_string(tries), number, clockText};
}

void RecordStoppedGame(GameState& state) {
    state.lastUser.number = state.compNumber;
    state.lastUser.tries.assign(1, '-');  // a plain "-" assignment sets off a false GCC 12 warning here
}

}  // namespace duel
