// The settings file: 22 values as Windows-1251 text lines, stored byte-complemented.
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
// so ParseSettingsText(FormatSettingsText(values)) gives the values back and
// the file always stays far below kMaxSettingsFileBytes.
#pragma once

#include "rules/game_state.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace duel {

inline constexpr int kSettingsLineCount = 22;

// File name in the program's folder (or the per-user config folder), UTF-8.
inline constexpr std::string_view kSettingsFileName = "Шелвы и злыки.ini";

// Reading stops after this many bytes: a larger file is not a settings file.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

// Longest string value reading accepts, in characters (Windows-1251 bytes); a
// longer line takes its default.  Names typed in the game are shorter still.
inline constexpr std::size_t kMaxStoredTextLength = 32;

// Name of the temporary files a save writes beside the settings file: this
// stem, a dot and six random characters.  The stem alone is the name an older
// version used.  Both are removed at start-up when no save holds them.
inline constexpr std::string_view kSettingsTemporaryStem = "Шелвы и злыки.tmp";

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
// galleryChoice "01", keypadDock 2.  A name line that is present but empty
// stays empty: an empty name is a valid entry.
SettingsRead ParseSettingsText(std::string_view text, GameState& state);

// Path of the settings file inside `folder`.
std::filesystem::path SettingsFilePath(const std::filesystem::path& folder);

struct SettingsLoad {
    SettingsRead values;
    std::optional<std::filesystem::path> source;  // the file read, if any
};

// Reads the settings from the first folder (program folder first, then the
// per-user config folder) whose file exists, unless a later folder's file is
// newer: a save that had to fall back to the config folder must not be
// shadowed by a stale file in a read-only program folder.  When no file can
// be read every field takes its default.  Sets state.settingsPath to the file
// read, or to the first folder's file when none was.  First removes the
// temporary files that earlier runs left behind in every folder
// (RemoveStaleTemporaryFiles).  Never throws.
SettingsLoad LoadSettings(const std::vector<std::filesystem::path>& folders, GameState& state);

// Writes the settings file into the first folder that takes it (creating the
// folder if needed).  The complemented bytes go to a temporary file of a
// unique name beside the target, which is flushed to the disk and then
// renamed over it, so a failed save never leaves a half-written settings
// file, and two games saving at the same moment leave one whole file (the
// later save's); the temporary file never survives.  Returns the path
// written, or nullopt when no folder could be written.  Never throws.
std::optional<std::filesystem::path> SaveSettings(const std::vector<std::filesystem::path>& folders,
                                                  const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips);

// Removes from `folder` the temporary files of saves that never finished (a
// run killed in the middle of a save, or an older version's fixed name).  A
// temporary file that a save of another running game still holds is left
// alone.  Returns how many were removed.  Never throws.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// Gallery menu item (1 "none" .. 6) stored as the second character of
// galleryChoice; 0 when that character is anything else or missing.
int GalleryItemFromChoice(const std::string& galleryChoice);

// galleryChoice to store when menu item `checkedItem` (1..6) is checked: the
// old first character followed by the item's digit, "0" standing in for the
// first character of an empty string.  checkedItem 0 (nothing checked) or
// out of range leaves the string unchanged.
std::string GalleryChoiceToStore(const std::string& galleryChoice, int checkedItem);

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct PixelSize {
    int32_t width = 0;
    int32_t height = 0;
};

struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Moves a restored top-left corner (pixels) so that the main window with
// its docked keypad - together `total`, measured from that corner - lies
// inside `screen`.  Where `total` is larger than the screen its top-left
// corner is kept on screen.
PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen);

}  // namespace duel
