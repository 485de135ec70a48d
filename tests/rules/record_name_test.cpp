// Tests of a record holder's name: what the settings file can store is kept, eight at most, the cursor in place.
#include "rules/record_name.h"

#include <gtest/gtest.h>

#include <string>

namespace duel {
namespace {

TEST(RecordName, KeepsWhatWindows1251StoresAndCutsToEight) {
    const struct {
        std::u32string typed;
        std::u32string kept;
    } cases[] = {
        {U"АннаМария", U"АннаМари"},
        // A bell, a CJK letter, a Latin letter with macron, an emoji and a C1 control
        // cannot be stored; the euro sign and the numero sign can.
        {U"Я\u0007中\u0101€😀\u0085№", U"Я€№"},
        // Dropped characters do not count towards the eight.
        {U"😀😀😀😀АннаМария", U"АннаМари"},
        {U"12345678😀9", U"12345678"},
        // The soft hyphen is in Windows-1251 but shows nothing: a name of them would look empty.
        {U"\u00AD\u00AD\u00ADАн\u00ADна", U"Анна"},
        {U"", U""},
    };
    for (const auto& c : cases) EXPECT_EQ(StorableRecordName(c.typed), c.kept);
}

TEST(RecordName, TheCursorStaysAfterWhatWasKeptBeforeIt) {
    const struct {
        std::u32string typed;
        std::size_t cursor;
        std::u32string kept;
        std::size_t keptCursor;
    } cases[] = {
        {U"Ан😀на", 3, U"Анна", 2},          // after a dropped emoji typed in the middle
        {U"Ан\u0007на", 2, U"Анна", 2},     // before a dropped character
        {U"АннаМария", 9, U"АннаМари", 8},  // at the end of a name cut to eight
        {U"АннаМария", 0, U"АннаМари", 0}, {U"ab", 2, U"ab", 2},
    };
    for (const auto& c : cases) {
        std::size_t cursor = c.cursor;
        EXPECT_EQ(StorableRecordName(c.typed, &cursor), c.kept);
        EXPECT_EQ(cursor, c.keptCursor) << "cursor at " << c.cursor;
    }
}

}  // namespace
}  // namespace duel
