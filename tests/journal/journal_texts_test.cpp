// Tests of the journal's texts for the player: the words that go with a count, the dates, the notice of a damaged file.
#include "journal/journal_texts.h"

#include "tests/support/journal_test_support.h"

#include <gtest/gtest.h>

namespace duel::testing {
namespace {

TEST(JournalTexts, CountsTakeTheirRussianWord) {
    const std::pair<int64_t, const char*> cases[] = {
        {1, "1 ход"},     {2, "2 хода"},      {4, "4 хода"},      {5, "5 ходов"},    {11, "11 ходов"},
        {12, "12 ходов"}, {14, "14 ходов"},   {21, "21 ход"},     {22, "22 хода"},   {111, "111 ходов"},
        {0, "0 ходов"},   {1001, "1001 ход"}, {112, "112 ходов"}, {104, "104 хода"},
    };
    for (const auto& [count, text] : cases) EXPECT_EQ(CountText(count, "ход", "хода", "ходов"), text) << count;
}

TEST(JournalTexts, DatesAreShownDayFirstAndAnythingElseAsItIs) {
    EXPECT_EQ(ShownDate("2025-03-01 14:05:09"), "01.03.2025 14:05");
    for (const char* odd : {"", "2025-03-01", "2025-03-01T14:05:09", "2025-3-01 14:05:09x", "какая-то дата"})
        EXPECT_EQ(ShownDate(odd), odd);
}

TEST(JournalTexts, TimePlayedShowsHoursFromAnHourOn) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "00:00"}, {59, "00:59"}, {3599, "59:59"}, {3600, "1:00:00"}, {7570, "2:06:10"}, {360000, "100:00:00"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(PlayedTimeText(seconds), text) << seconds;
}

TEST(JournalTexts, ADamagedFileIsNamedWhereItWasKept) {
    TempFolder folder;
    WriteBytes(folder / "journal.sqlite", std::string(4096, 'x'));
    const Journal journal = Journal::Open(folder / "journal.sqlite", "20250301-140509");
    ASSERT_EQ(journal.status(), JournalStatus::StartedAfresh);
    EXPECT_EQ(JournalNotice(journal, folder / "journal.sqlite"),
              "Файл журнала игр «journal.sqlite» был повреждён. Он сохранён как "
              "«journal.sqlite.damaged-20250301-140509», а журнал начат заново.");
}

}  // namespace
}  // namespace duel::testing
