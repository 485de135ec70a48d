// Tests of the records table updates.
#include "rules/records_table.h"

#include <gtest/gtest.h>

#include <array>

namespace duel {
namespace {

GameState AfterReset() {
    GameState state;
    ResetRecords(state);
    return state;
}

std::array<int32_t, 3> Tries(const GameState& s) { return {s.recTries1, s.recTries2, s.recTries3}; }

TEST(RecordsTable, UserWinTakesTheFirstPlaceItEqualsOrBeats) {
    struct Case {
        std::array<int32_t, 3> before;
        int32_t tries;
        int place;
        std::array<int32_t, 3> after;
    };
    const Case cases[] = {
        {{4, 6, 9}, 5, 2, {4, 5, 9}},
        {{4, 6, 9}, 4, 1, {4, 6, 9}},  // a tie goes to the new result
        {{4, 6, 9}, 3, 1, {3, 6, 9}},  // nothing moves down
        {{4, 6, 9}, 9, 3, {4, 6, 9}},
        {{4, 6, 9}, 10, 0, {4, 6, 9}},
        {{4, 6, 99999}, 9999, 3, {4, 6, 9999}},
        {{4, 6, 99999}, 12345, 0, {4, 6, 99999}},  // five characters take no place
    };
    for (const Case& c : cases) {
        GameState state = AfterReset();
        state.recTries1 = c.before[0];
        state.recTries2 = c.before[1];
        state.recTries3 = c.before[2];
        state.newRecordPlace = 3;

        RecordUserWin(state, c.tries, "1234", "02:15");

        EXPECT_EQ(state.newRecordPlace, c.place) << c.tries;
        EXPECT_EQ(Tries(state), c.after) << c.tries;
        EXPECT_EQ(state.lastUserTries, std::to_string(c.tries));
        EXPECT_EQ(state.lastUserNumber, "1234");
        EXPECT_EQ(state.lastUserTime, "02:15");
        for (int place = 1; place <= 3; ++place) {
            const bool taken = place == c.place;
            EXPECT_EQ(state.recNumber(place), taken ? "1234" : "-") << c.tries << ' ' << place;
            EXPECT_EQ(state.recTime(place), taken ? "02:15" : "-") << c.tries << ' ' << place;
        }
        EXPECT_EQ(state.recName1, "Профи");
        EXPECT_EQ(state.recName2, "Бывалый");
        EXPECT_EQ(state.recName3, "Балбес");
        EXPECT_EQ(state.lastCompTries, "-");
    }
}

TEST(RecordsTable, ComputerWinAndStoppedGameChangeOnlyTheirRow) {
    GameState state = AfterReset();
    state.compNumber = "5678";
    state.lastUserTime = "03:00";

    RecordCompWin(state, 7, "1234", "01:40");
    EXPECT_EQ(state.lastCompTries, "7");
    EXPECT_EQ(state.lastCompNumber, "1234");
    EXPECT_EQ(state.lastCompTime, "01:40");
    EXPECT_EQ(state.lastUserTries, "-");

    state.lastUserTries = "6";
    RecordStoppedGame(state);
    EXPECT_EQ(state.lastUserTries, "-");
    EXPECT_EQ(state.lastUserNumber, "5678");
    EXPECT_EQ(state.lastUserTime, "03:00");
    EXPECT_EQ(state.lastCompNumber, "1234");
    EXPECT_EQ(Tries(state), (std::array<int32_t, 3>{4, 6, 9}));
}

}  // namespace
}  // namespace duel
