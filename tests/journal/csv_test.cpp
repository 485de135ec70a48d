// Tests of the CSV export of the list of games and of its reader.
#include "tests/support/csv_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace duel {
namespace {

TEST(Csv, AListWithCommasQuotesAndLineBreaksReadsBackEqual) {
    const std::vector<CsvRow> rows = {
        {"01.03.2025 14:05", "Число задано", "Победа, с трудом", "5", "03:02"},
        {"a \"quoted\" cell", "", "two\r\nlines", " spaced ", "\"\""},
        {"", "", "", "", ""},
    };
    const std::string text = GamesCsv(rows);
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), std::string(kGamesCsvHeader) + "\r\n");
    EXPECT_NE(text.find("\r\n01.03.2025 14:05,Число задано,\"Победа, с трудом\",5,03:02\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\"a \"\"quoted\"\" cell\",,\"two\r\nlines\",\" spaced \",\"\"\"\"\"\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n,,,,\r\n"));

    const auto read = ReadCsv(text);
    ASSERT_TRUE(read);
    std::vector<CsvRow> expected = {{"Дата", "Режим", "Итог", "Ваших ходов", "Ходов компьютера / соперника", "Время",
                                     "Ваше число", "Число компьютера / соперника", "Соперник"}};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(*read, expected);
}

TEST(Csv, TheReaderRefusesAQuoteLeftOpenOrFollowedByText) {
    EXPECT_FALSE(ReadCsv("a,\"open\r\n"));
    EXPECT_FALSE(ReadCsv("\"closed\"then,b\r\n"));
    EXPECT_EQ(ReadCsv("\xEF\xBB\xBF"
                      "a,b\nc,d"),
              (std::vector<CsvRow>{{"a", "b"}, {"c", "d"}}));
}

// A cell a spreadsheet would run as a formula (an opponent's name over the
// network, a date edited by hand) is written so that it shows as text.
TEST(Csv, CellsThatWouldRunAsFormulasAreWrittenAsText) {
    const std::vector<CsvRow> rows = {{"=HYPERLINK(\"x\")", "+7", "-1", "@SUM(A1)", "\tcmd", "a=b", "1234", ""}};
    const auto read = ReadCsv(GamesCsv(rows));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[1], (CsvRow{"'=HYPERLINK(\"x\")", "'+7", "'-1", "'@SUM(A1)", "'\tcmd", "a=b", "1234", ""}));
}

}  // namespace
}  // namespace duel
