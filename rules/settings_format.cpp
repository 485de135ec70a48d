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

struct Field {
    Kind kind;
    std::string GameState::*text = nullptr;
    int32_t GameState::*number = nullptr;
};

constexpr Field TextField(std::string GameState::*m) { return {Kind::Text, m, nullptr}; }
constexpr Field NameField(std::string GameState::*m) { return {Kind::Name, m, nullptr}; }
constexpr Field NumberField(int32_t GameState::*m) { return {Kind::Number, nullptr, m}; }

// The lines of the file, in order.
constexpr std::array<Field, kSettingsLineCount> kFields = {{
    TextField(&GameState::recTime1),
    TextField(&GameState::recTime2),
    TextField(&GameState::recTime3),
    TextField(&GameState::lastCompTime),
    TextField(&GameState::lastUserTime),
    TextField(&GameState::galleryChoice),
    {Kind::MainLeft},
    {Kind::MainTop},
    NumberField(&GameState::keypadDock),
    NameField(&GameState::recName1),
    NameField(&GameState::recName2),
    NameField(&GameState::recName3),
    NumberField(&GameState::recTries1),
    NumberField(&GameState::recTries2),
    NumberField(&GameState::recTries3),
    TextField(&GameState::recNumber1),
    TextField(&GameState::recNumber2),
    TextField(&GameState::recNumber3),
    TextField(&GameState::lastCompTries),
    TextField(&GameState::lastUserTries),
    TextField(&GameState::lastCompNumber),
    TextField(&GameState::lastUserNumber),
}};

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
    std::string bytes = bytesOf(state.*field.text);
    return AcceptsString(field.kind, bytes) ? bytes : bytesOf(defaults.*field.text);
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
            state.*field.text = usable ? Cp1251ToUtf8(*line) : defaults.*field.text;
            return usable;
        }
        case Kind::Number: {
            const auto value = line ? ParseNumber(*line) : std::nullopt;
            state.*field.number = value.value_or(defaults.*field.number);
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
                text += FormatNumber(state.*field.number);
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
