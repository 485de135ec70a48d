// Tests of the settings file's text: format, complement, parsing, the gallery choice.
#include "rules/settings_format.h"

#include "rules/cp1251.h"
#include "rules/records_table.h"
#include "tests/support/stored_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace duel {
namespace {

using testing::ResetState;
using testing::StoredValues;

// The text of the reset state with line `lineNumber` (1-based) replaced.
std::string TextWithLine(int lineNumber, const std::string& value) {
    std::string text;
    const std::string base = FormatSettingsText(ResetState(), 0, 0);
    std::size_t start = 0;
    for (int line = 1; line <= kSettingsLineCount; ++line) {
        const std::size_t end = base.find("\r\n", start);
        text += (line == lineNumber ? value : base.substr(start, end - start)) + "\r\n";
        start = end + 2;
    }
    return text;
}

TEST(SettingsText, ComplementOfAClockLine) {
    const std::string text = "00:35\r\n";
    const std::string expected = {char(207), char(207), char(197), char(204), char(202), char(242), char(245)};
    EXPECT_EQ(EnCode(text), expected);
    EXPECT_EQ(UnCode(expected), text);
}

TEST(SettingsText, ExactBytesOfTheResetState) {
    const std::string expected =
        "-\r\n-\r\n-\r\n-\r\n-\r\n"         // three record times, computer's and user's last time
        "01\r\n"                            // gallery choice
        " 1200 \r\n-150 \r\n"               // main window left and top, twips
        " 2 \r\n"                           // keypad dock
        "\xCF\xF0\xEE\xF4\xE8\r\n"          // Профи
        "\xC1\xFB\xE2\xE0\xEB\xFB\xE9\r\n"  // Бывалый
        "\xC1\xE0\xEB\xE1\xE5\xF1\r\n"      // Балбес
        " 4 \r\n 6 \r\n 9 \r\n"
        "-\r\n-\r\n-\r\n"        // record numbers
        "-\r\n-\r\n-\r\n-\r\n";  // last tries and numbers
    EXPECT_EQ(FormatSettingsText(ResetState(), 1200, -150), expected);
}

TEST(SettingsText, AllValuesSurviveFileRoundTrip) {
    GameState state;
    state.records[0].time = "01:02";
    state.records[1].time = "13:14";
    state.records[2].time = "120:59";
    state.lastComp.time = "00:35";
    state.lastUser.time = "07:00";
    state.galleryChoice = "Ж4";
    state.keypadDock = 3;
    state.records[0].name = "Иван, Пётр";  // a comma
    state.records[1].name = "\"Ас\"";      // a leading quote
    state.records[2].name = " Ёж ";        // blanks at both ends
    state.records[0].tries = 3;
    state.records[1].tries = 5;
    state.records[2].tries = -7;
    state.records[0].number = "1234";
    state.records[1].number = "9876";
    state.records[2].number = "5612";
    state.lastComp.tries = "8";
    state.lastUser.tries = "-";
    state.lastComp.number = "4321";
    state.lastUser.number = "7895";

    GameState read = ResetState();
    const std::string file = EnCode(FormatSettingsText(state, -30, 4500));
    const SettingsRead result = ParseSettingsText(UnCode(file), read);

    EXPECT_EQ(StoredValues(read), StoredValues(state));
    EXPECT_EQ(result.mainLeftTwips, -30);
    EXPECT_EQ(result.mainTopTwips, 4500);
    EXPECT_EQ(result.validLines, kSettingsLineCount);
}

TEST(SettingsText, LineBreaksInsideAValueCannotShiftLines) {
    GameState state = ResetState();
    state.records[0].name = "a\r\nb";
    GameState read;
    ParseSettingsText(FormatSettingsText(state, 0, 0), read);
    EXPECT_EQ(read.records[0].name, "a??b");
    EXPECT_EQ(read.records[1].name, "Бывалый");
}

TEST(SettingsText, MissingEmptyOrShortInputTakesDefaults) {
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"blank lines", std::string(30, '\n')},
        {"short", "-\r\n-\r\n"},
    };
    const GameState defaults = ResetState();
    for (const Case& c : cases) {
        GameState read;
        read.records[0].name = "stale";
        const SettingsRead result = ParseSettingsText(c.text, read);
        EXPECT_FALSE(result.mainLeftTwips.has_value()) << c.what;
        EXPECT_FALSE(result.mainTopTwips.has_value()) << c.what;
        EXPECT_EQ(read.records[0].tries, 4) << c.what;
        EXPECT_EQ(read.records[2].tries, 9) << c.what;
        EXPECT_EQ(read.keypadDock, 2) << c.what;
        EXPECT_EQ(read.galleryChoice, "01") << c.what;
        EXPECT_EQ(read.lastUser.tries, "-") << c.what;
        EXPECT_EQ(read.records[1].number, "-") << c.what;
    }
    GameState read;
    EXPECT_EQ(ParseSettingsText("", read).validLines, 0);
    EXPECT_EQ(StoredValues(read), StoredValues(defaults));
}

TEST(SettingsText, PresentEmptyNameStaysEmpty) {
    GameState read;
    ParseSettingsText(TextWithLine(11, ""), read);
    EXPECT_EQ(read.records[1].name, "");
    EXPECT_EQ(read.records[0].name, "Профи");
}

TEST(SettingsText, NumberLines) {
    struct Case {
        std::string line;
        int32_t tries;  // 4 is the default
    };
    const Case cases[] = {
        {" 5 ", 5},
        {"5", 5},
        {"   12   ", 12},
        {"\t7", 7},
        {"-3 ", -3},
        {"0", 0},
        {"-2147483648 ", INT32_MIN},
        {" 2147483647 ", INT32_MAX},
        {" 2147483648 ", 4},
        {"", 4},
        {"abc", 4},
        {"1 2", 4},
        {"+5", 4},
        {"-", 4},
        {"5x", 4},
        {"\xFF\xFF", 4},
        {" 4.5 ", 4},
    };
    for (const Case& c : cases) {
        GameState read;
        ParseSettingsText(TextWithLine(13, c.line), read);
        EXPECT_EQ(read.records[0].tries, c.tries) << '"' << c.line << '"';
    }
}

TEST(SettingsText, PositionAndDockAreKeptAsRead) {
    std::string text = TextWithLine(9, " 7 ");
    GameState read;
    SettingsRead result = ParseSettingsText(text, read);
    EXPECT_EQ(read.keypadDock, 7);
    EXPECT_EQ(result.mainLeftTwips, 0);

    result = ParseSettingsText(TextWithLine(8, "top"), read);
    EXPECT_EQ(result.mainLeftTwips, 0);
    EXPECT_FALSE(result.mainTopTwips.has_value());
    EXPECT_EQ(result.validLines, kSettingsLineCount - 1);
}

TEST(SettingsText, LineEndsAndTrailingLines) {
    GameState state = ResetState();
    state.records[2].name = "Лиса";
    state.records[1].tries = 5;
    const std::string crlf = FormatSettingsText(state, 15, 30);
    std::string lf;
    for (const char c : crlf) {
        if (c != '\r') {
            lf += c;
        }
    }
    const std::string withoutLastEnd = crlf.substr(0, crlf.size() - 2);
    for (const std::string& text : {lf, crlf + "extra\r\n 99 \r\n", withoutLastEnd}) {
        GameState read;
        const SettingsRead result = ParseSettingsText(text, read);
        EXPECT_EQ(StoredValues(read), StoredValues(state));
        EXPECT_EQ(result.mainTopTwips, 30);
    }
}

TEST(SettingsText, RandomBytesGiveValuesThatSurviveTheirOwnRoundTrip) {
    std::mt19937 random(1251);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(random() % 600, '\0');
        for (char& b : bytes) {
            const unsigned r = random();
            b = r % 8 == 0 ? "\r\n"[r / 8 % 2] : static_cast<char>(r >> 8);
        }
        GameState read;
        ParseSettingsText(UnCode(bytes), read);
        const std::string text = FormatSettingsText(read, 0, 0);
        GameState again;
        ParseSettingsText(text, again);
        ASSERT_EQ(StoredValues(again), StoredValues(read)) << "round " << round;
        ASSERT_EQ(Utf8ToCp1251(Cp1251ToUtf8(text)), text);
        ASSERT_FALSE(read.galleryChoice.empty());
    }
}

TEST(SettingsText, ValuesReadingWouldRefuseAreWrittenAsTheirDefaults) {
    GameState state = ResetState();
    state.records[0].name = std::string(33, 'N');                // one character over the limit
    state.records[1].name = "Тридцать два знака в имени героя";  // exactly at it
    state.records[2].name = "";                                  // an empty name is a name
    state.records[0].time = std::string(33, '9');                // one over the text limit
    state.records[1].time = std::string(32, '9');
    state.records[0].number = "";  // empty text reads as missing
    state.lastUser.tries = std::string(1 << 21, '\0');
    const std::string text = FormatSettingsText(state, 0, 0);
    EXPECT_LT(text.size(), 1024u);

    GameState read;
    const SettingsRead result = ParseSettingsText(text, read);
    EXPECT_EQ(result.validLines, kSettingsLineCount);
    EXPECT_EQ(read.records[0].name, "Профи");
    EXPECT_EQ(read.records[1].name, "Тридцать два знака в имени героя");
    EXPECT_EQ(read.records[2].name, "");
    EXPECT_EQ(read.records[0].time, "-");
    EXPECT_EQ(read.records[1].time, std::string(32, '9'));
    EXPECT_EQ(read.records[0].number, "-");
    EXPECT_EQ(read.lastUser.tries, "-");
}

TEST(GalleryChoice, ItemFromChoice) {
    struct Case {
        std::string choice;
        int item;
    };
    const Case cases[] = {
        {"01", 1}, {"06", 6}, {"x3", 3}, {"Ж4", 4}, {"07", 0},  {"00", 0},
        {"0", 0},  {"", 0},   {"2", 0},  {"0a", 0}, {"025", 2}, {"\xD0", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GalleryItemFromChoice(c.choice), c.item) << c.choice;
    }
}

TEST(GalleryChoice, ChoiceToStore) {
    struct Case {
        std::string old;
        int checked;
        std::string stored;
    };
    const Case cases[] = {
        {"01", 2, "02"},  {"01", 0, "01"}, {"", 3, "03"},  {"", 0, ""},
        {"915", 6, "96"}, {"Ж1", 5, "Ж5"}, {"7", 1, "71"}, {"01", 7, "01"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GalleryChoiceToStore(c.old, c.checked), c.stored) << c.old << ' ' << c.checked;
    }
}

}  // namespace
}  // namespace duel
