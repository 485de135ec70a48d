// The settings file's text: the 22 fields, their defaults, formatting and forgiving parsing.
#include "rules/settings_format.h"

#include "rules/cp1251.h"
#include "rules/records_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>
#include <vector>

namespace duel {
namespace {

enum class Kind {
    Text,      // a string; empty takes the default
    Name,      // a string; empty is kept (an empty name is a valid entry)
    Number,    // a 32-bit integer of GameState
    MainLeft,  // a 32-bit integer handed back to the caller
    MainTop,
};

// A field's value in the game state: a string or a number, reached by a
// function so that the records' places can be fields too.
using TextOf = std::string& (*)(GameState&);
using NumberOf = int32_t& (*)(GameState&);

struct Field {
    Kind kind;
    TextOf text = nullptr;
    NumberOf number = nullptr;
};

constexpr Field TextField(TextOf text) { return {Kind::Text, text, nullptr}; }
constexpr Field NameField(TextOf text) { return {Kind::Name, text, nullptr}; }
constexpr Field NumberField(NumberOf number) { return {Kind::Number, nullptr, number}; }

// The lines of the file, in order.
constexpr std::array<Field, kSettingsLineCount> kFields = {{
    TextField([](GameState& s) -> std::string& { return s.records[0].time; }),
    TextField([](GameState& s) -> std::string& { return s.records[1].time; }),
    TextField([](GameState& s) -> std::string& { return s.records[2].time; }),
    TextField([](GameState& s) -> std::string& { return s.lastComp.time; }),
    TextField([](GameState& s) -> std::string& { return s.lastUser.time; }),
    TextField([](GameState& s) -> std::string& { return s.galleryChoice; }),
    {Kind::MainLeft},
    {Kind::MainTop},
    NumberField([](GameState& s) -> int32_t& { return s.keypadDock; }),
    NameField([](GameState& s) -> std::string& { return s.records[0].name; }),
    NameField([](GameState& s) -> std::string& { return s.records[1].name; }),
    NameField([](GameState& s) -> std::string& { return s.records[2].name; }),
    NumberField([](GameState& s) -> int32_t& { return s.records[0].tries; }),
    NumberField([](GameState& s) -> int32_t& { return s.records[1].tries; }),
    NumberField([](GameState& s) -> int32_t& { return s.records[2].tries; }),
    TextField([](GameState& s) -> std::string& { return s.records[0].number; }),
    TextField([](GameState& s) -> std::string& { return s.records[1].number; }),
    TextField([](GameState& s) -> std::string& { return s.records[2].number; }),
    TextField([](GameState& s) -> std::string& { return s.lastComp.tries; }),
    TextField([](GameState& s) -> std::string& { return s.lastUser.tries; }),
    TextField([](GameState& s) -> std::string& { return s.lastComp.number; }),
    TextField([](GameState& s) -> std::string& { return s.lastUser.number; }),
}};

// A field's value read from a state that is not changed.
const std::string& TextIn(const Field& field, const GameState& state) {
    return field.text(const_cast<GameState&>(state));
}
int32_t NumberIn(const Field& field, const GameState& state) { return field.number(const_cast<GameState&>(state)); }

GameState DefaultSettings() {
    GameState defaults;
    ResetRecords(defaults);
    defaults.galleryChoice = "01";
    defaults.keypadDock = kDockCentre;
    return defaults;
}

std::string FormatNumber(int32_t value) {
    const std::string digits = std::to_string(value);
    return value < 0 ? digits + ' ' : ' ' + digits + ' ';
}

// Whether reading takes `line` (Windows-1251 bytes) as the value of a string
// field: names may be empty, other strings may not; both have a length limit.
bool AcceptsString(Kind kind, std::string_view line) {
    return (kind == Kind::Name || !line.empty()) && line.size() <= kMaxStoredTextLength;
}

// The line written for a string field: its Windows-1251 bytes, or its
// default's when reading would not take them back.
std::string FormatString(const Field& field, const GameState& state, const GameState& defaults) {
    const auto bytesOf = [](const std::string& utf8) {
        std::string bytes = Utf8ToCp1251(utf8);
        std::replace_if(
            bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, kCp1251Replacement);
        return bytes;
    };
    std::string bytes = bytesOf(TextIn(field, state));
    return AcceptsString(field.kind, bytes) ? bytes : bytesOf(TextIn(field, defaults));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A decimal 32-bit integer with optional blanks around it.
std::optional<int32_t> ParseNumber(std::string_view line) {
    const auto first = std::find_if_not(line.begin(), line.end(), IsBlank);
    const char* begin = line.data() + (first - line.begin());
    const char* end = line.data() + line.size();
    int32_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || !std::all_of(stop, end, IsBlank)) {
        return std::nullopt;
    }
    return value;
}

// Up to `limit` lines; CR LF, LF and CR each end a line.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t limit) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < limit) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r') {
            ++start;
        }
        if (start < text.size() && text[start] == '\n') {  // LF alone or after CR
            ++start;
        }
    }
    return lines;
}

// Reads one line into its field; true when the value was usable.
bool ReadField(const Field& field, std::optional<std::string_view> line, GameState& state, const GameState& defaults,
               SettingsRead& read) {
    switch (field.kind) {
        case Kind::Text:
        case Kind::Name: {
            const bool usable = line && AcceptsString(field.kind, *line);
            field.text(state) = usable ? Cp1251ToUtf8(*line) : TextIn(field, defaults);
            return usable;
        }
        case Kind::Number: {
            const auto value = line ? ParseNumber(*line) : std::nullopt;
            field.number(state) = value.value_or(NumberIn(field, defaults));
            return value.has_value();
        }
        case Kind::MainLeft:
            read.mainLeftTwips = line ? ParseNumber(*line) : std::nullopt;
            return read.mainLeftTwips.has_value();
        case Kind::MainTop:
            read.mainTopTwips = line ? ParseNumber(*line) : std::nullopt;
            return read.mainTopTwips.has_value();
    }
    return false;
}

}  // namespace

std::string ComplementBytes(std::string_view bytes) {
    std::string out(bytes.size(), '\0');
    std::transform(bytes.begin(), bytes.end(), out.begin(),
                   [](char c) { return static_cast<char>(255 - static_cast<unsigned char>(c)); });
    return out;
}

std::string FormatSettingsText(const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips) {
    const GameState defaults = DefaultSettings();
    std::string text;
    for (const Field& field : kFields) {
        switch (field.kind) {
            case Kind::Text:
            case Kind::Name:
                text += FormatString(field, state, defaults);
                break;
            case Kind::Number:
                text += FormatNumber(NumberIn(field, state));
                break;
            case Kind::MainLeft:
                text += FormatNumber(mainLeftTwips);
                break;
            case Kind::MainTop:
                text += FormatNumber(mainTopTwips);
                break;
        }
        text += "\r\n";
    }
    return text;
}

SettingsRead ParseSettingsText(std::string_view text, GameState& state) {
    const GameState defaults = DefaultSettings();
    const std::vector<std::string_view> lines = SplitLines(text, kFields.size());
    SettingsRead read;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const auto line = i < lines.size() ? std::optional(lines[i]) : std::nullopt;
        if (ReadField(kFields[i], line, state, defaults, read)) {
            ++read.validLines;
        }
    }
    return read;
}

int GalleryItemFromChoice(const std::string& galleryChoice) {
    if (galleryChoice.empty()) {
        return 0;
    }
    const std::size_t second = DecodeUtf8At(galleryChoice, 0).length;
    if (second >= galleryChoice.size()) {
        return 0;
    }
    const char c = galleryChoice[second];
    return c >= '1' && c <= '6' ? c - '0' : 0;
}

std::string GalleryChoiceToStore(const std::string& galleryChoice, int checkedItem) {
    if (checkedItem < 1 || checkedItem > 6) {
        return galleryChoice;
    }
    // The first character may take several UTF-8 bytes; it is kept whole.
    const std::string first =
        galleryChoice.empty() ? "0" : galleryChoice.substr(0, DecodeUtf8At(galleryChoice, 0).length);
    return first + static_cast<char>('0' + checkedItem);
}

}  // namespace duel
