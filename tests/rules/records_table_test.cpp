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

std::array<int32_t, 3> Tries(const GameState& s) {
    return {s.records[0].tries, s.records[1].tries, s.records[2].tries};
}

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
        state.records[0].tries = c.before[0];
        state.records[1].tries = c.before[1];
        state.records[2].tries = c.before[2];
        state.newRecordPlace = 3;

        RecordUserWin(state, c.tries, "1234", "02:15");

        EXPECT_EQ(state.newRecordPlace, c.place) << c.tries;
        EXPECT_EQ(Tries(state), c.after) << c.tries;
        EXPECT_EQ(state.lastUser.tries, std::to_string(c.tries));
        EXPECT_EQ(state.lastUser.number, "1234");
        EXPECT_EQ(state.lastUser.time, "02:15");
        for (int place = 1; place <= 3; ++place) {
            const bool taken = place == c.place;
            EXPECT_EQ(state.record(place).number, taken ? "1234" : "-") << c.tries << ' ' << place;
            EXPECT_EQ(state.record(place).time, taken ? "02:15" : "-") << c.tries << ' ' << place;
        }
        EXPECT_EQ(state.records[0].name, "Профи");
        EXPECT_EQ(state.records[1].name, "Бывалый");
        EXPECT_EQ(state.records[2].name, "Балбес");
        EXPECT_EQ(state.lastComp.tries, "-");
    }
}

TEST(RecordsTable, ComputerWinAndStoppedGameChangeOnlyTheirRow) {
    GameState state = AfterReset();
    state.compNumber = "5678";
    state.lastUser.time = "03:00";

    RecordCompWin(state, 7, "1234", "01:40");
    EXPECT_EQ(state.lastComp.tries, "7");
    EXPECT_EQ(state.lastComp.number, "1234");
    EXPECT_EQ(state.lastComp.time, "01:40");
    EXPECT_EQ(state.lastUser.tries, "-");

    state.lastUser.tries = "6";
    RecordStoppedGame(state);
    EXPECT_EQ(state.lastUser.tries, "-");
    EXPECT_EQ(state.lastUser.number, "5678");
    EXPECT_EQ(state.lastUser.time, "03:00");
    EXPECT_EQ(state.lastComp.number, "1234");
    EXPECT_EQ(Tries(state), (std::array<int32_t, 3>{4, 6, 9}));
}

}  // namespace
}  // namespace duel
