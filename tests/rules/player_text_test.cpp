// Texts for the player: arguments put in one pass, a translation's own order, counted texts, and what stays Russian
// on disk while it is shown in the player's language.
#include "rules/player_text.h"

#include "rules/game_clock.h"
#include "rules/records_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace duel {
namespace {

// A small English catalogue, as the program's Qt wording gives it: the count put in for %n.
std::string English(const char* context, const char* source, int n) {
    static const std::map<std::string, std::string> kTexts = {
        {"rules|Ход %1 противоречит ходу %2", "Move %1 contradicts move %2"},
        {"test|%1 из %2", "%2 holds %1"},
        {"rules|%1,%2", "%1.%2"},
        {"rules|Профи", "Pro"},
        {"rules|стоим", "stopped"},
    };
    const std::string key = std::string(context) + "|" + source;
    const auto found = kTexts.find(key);
    std::string text = found == kTexts.end() ? source : found->second;
    if (key == "test|%n ходов") text = n == 1 ? "%n move" : "%n moves";
    if (n >= 0) text = FillCount(text, n);
    return text;
}

class PlayerTextTest : public ::testing::Test {
protected:
    void TearDown() override { SetWording(nullptr); }
};

TEST_F(PlayerTextTest, WithoutATranslationEveryTextIsItsRussianSourceWithItsArguments) {
    ASSERT_FALSE(HasWording());
    EXPECT_EQ(Word(DUEL_TEXT("rules", "Ход %1 противоречит ходу %2"), {"4", "1"}), "Ход 4 противоречит ходу 1");
    // One pass: an argument is never searched for markers, a marker without an argument stays.
    EXPECT_EQ(FillArguments("%1 и %2, %3", {"%2", "б"}), "%2 и б, %3");
    EXPECT_EQ(FillArguments("50 % и %%1", {"x"}), "50 % и %x");
    EXPECT_EQ(WordCount(DUEL_TEXT_N("test", "%n ходов"), 5), "5 ходов");
    EXPECT_EQ(DecimalText(12.44), "12,4");
    EXPECT_EQ(Word("rules", kClockStoppedText), "стоим");
}

TEST_F(PlayerTextTest, ATranslationMayReorderTheArgumentsAndHasItsOwnFormForEachCount) {
    SetWording(&English);
    EXPECT_EQ(Word(DUEL_TEXT("rules", "Ход %1 противоречит ходу %2"), {"4", "1"}), "Move 4 contradicts move 1");
    EXPECT_EQ(Word(DUEL_TEXT("test", "%1 из %2"), {"2", "7"}), "7 holds 2");
    EXPECT_EQ(WordCount(DUEL_TEXT_N("test", "%n ходов"), 1), "1 move");
    EXPECT_EQ(WordCount(DUEL_TEXT_N("test", "%n ходов"), 21), "21 moves");
    EXPECT_EQ(DecimalText(3.24), "3.2");
    // A text with no translation reads as its source.
    EXPECT_EQ(Word(DUEL_TEXT("test", "Нет перевода %1"), {"x"}), "Нет перевода x");
}

TEST_F(PlayerTextTest, TheStartingNamesAndTheStoppedClockStayRussianInTheStateAndAreShownTranslated) {
    SetWording(&English);
    GameState state;
    ResetRecords(state);
    EXPECT_EQ(state.records[0].name, "Профи");  // what the settings file keeps
    EXPECT_EQ(ShownRecordName(state.records[0]), "Pro");
    // A player who won under that name keeps it as typed.
    state.records[0].number = "1234";
    EXPECT_EQ(ShownRecordName(state.records[0]), "Профи");
    EXPECT_EQ(ClockPanelText(std::nullopt), "стоим");
    EXPECT_EQ(ShownResultText(ClockPanelText(std::nullopt)), "stopped");
    EXPECT_EQ(ShownResultText("01:02"), "01:02");
}

}  // namespace
}  // namespace duel
