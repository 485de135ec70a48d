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
    state.records = {{{kStartingRecordNames[0], 4, "-", "-"},
                      {kStartingRecordNames[1], 6, "-", "-"},
                      {kStartingRecordNames[2], 9, "-", "-"}}};
    state.lastComp = {"-", "-", "-"};
    state.lastUser = {"-", "-", "-"};
}

std::string ShownRecordName(const RecordPlace& place) {
    if (place.number == "-") {
        for (const char* name : kStartingRecordNames)
            if (place.name == name) return Word("rules", name);
    }
    return place.name;
}

std::string ShownResultText(std::string_view text) {
    for (const char* kept : {kClockStoppedText, kErrorGuess})
        if (text == kept) return Word("rules", kept);
    return std::string(text);
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
