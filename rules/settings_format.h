// The settings file's format: 22 values as Windows-1251 text lines, stored byte-complemented.
//
// The file keeps the records, the last results, the main window's position,
// the keypad's placement and the gallery choice.  Its plain text is 22 lines,
// each ended by CR LF; a number is written as " 4 " (non-negative) or "-4 ",
// a string as its characters.  On disk every byte b is stored as 255 - b.
//
// Reading is forgiving: each line is taken whole (a name with a comma or a
// leading quote, or leading blanks, comes back as typed), a missing or
// unreadable value takes its default, and anything after line 22 is ignored.
// Writing writes only what reading accepts: a value that reading would refuse
// (too long, or empty where empty means "missing") is written as its default,
// so ParseSettingsText(FormatSettingsText(values)) gives the values back.
// Where the file lives and how it is written safely: storage/settings_file.h.
#pragma once

#include "rules/game_state.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duel {

inline constexpr int kSettingsLineCount = 22;

// Longest string value reading accepts, in characters (Windows-1251 bytes); a
// longer line takes its default.  Names typed in the game are shorter still.
inline constexpr std::size_t kMaxStoredTextLength = 32;

// Every byte b becomes 255 - b; its own inverse.
std::string ComplementBytes(std::string_view bytes);

// The file's bytes to plain text: every byte complemented.
inline std::string UnCode(std::string_view fileBytes) { return ComplementBytes(fileBytes); }

// Plain text to the file's bytes: every byte complemented.
inline std::string EnCode(std::string_view plainText) { return ComplementBytes(plainText); }

// The 22 lines, CR LF after each, in Windows-1251.  CR and LF inside a string
// value are written as '?' so that they cannot break the line structure; a
// value that reading would refuse is written as its default.
std::string FormatSettingsText(const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips);

struct SettingsRead {
    // Main window position from lines 7 and 8; nullopt when missing or
    // unreadable (the caller then centres the window).
    std::optional<int32_t> mainLeftTwips;
    std::optional<int32_t> mainTopTwips;
    int validLines = 0;  // lines 1..22 whose value was present and readable
};

// Reads the plain text (CR LF, bare LF or bare CR line ends) into the 22
// fields of `state`; every field is set, to its default where the line is
// missing, empty or does not parse.  Defaults: the reset records ("Профи" 4,
// "Бывалый" 6, "Балбес" 9, "-" for numbers and times, all last results "-"),
// galleryChoice "01", keypadDock kDockCentre.  A name line that is present
// but empty stays empty: an empty name is a valid entry.
SettingsRead ParseSettingsText(std::string_view text, GameState& state);

// Gallery menu item (1 "none" .. 6) stored as the second character of
// galleryChoice; 0 when that character is anything else or missing.
int GalleryItemFromChoice(const std::string& galleryChoice);

// galleryChoice to store when menu item `checkedItem` (1..6) is checked: the
// old first character followed by the item's digit, "0" standing in for the
// first character of an empty string.  checkedItem 0 (nothing checked) or
// out of range leaves the string unchanged.
std::string GalleryChoiceToStore(const std::string& galleryChoice, int checkedItem);

}  // namespace duel
