// The player's own choices (the hint, the stronger opponent), kept in a small file of ours in the user's config folder.
//
// The settings file stays as it is: these choices have no place in it.  The
// file is a few lines of key=value text:
//
//     [options]
//     hint=true
//     strong=false
//
// Anything else in it is passed over, so a damaged or foreign file reads as
// both choices off, and the next change of a choice writes it whole again.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace duel {

inline constexpr std::string_view kPlayerOptionsFileName = "options.ini";

// Reading stops after this many bytes: a larger file is not ours.
inline constexpr std::size_t kMaxPlayerOptionsBytes = 4096;

struct PlayerOptions {
    bool hint = false;    // the hint in the status bar during a game
    bool strong = false;  // the computer picks its guesses the stronger way
    bool operator==(const PlayerOptions&) const = default;
};

// The choices a file's text gives: a line "hint=" or "strong=" followed by
// "true" or "1" turns the choice on, "false" or "0" off; the last such line
// counts.  Spaces around the key and the value and a CR at a line's end are
// allowed; any other line or value is passed over.
PlayerOptions ParsePlayerOptions(std::string_view text);

// The file's text for `options`; ParsePlayerOptions gives them back.
std::string PlayerOptionsText(const PlayerOptions& options);

// The choices kept in `folder`: both off when the file is missing, cannot be
// read, is larger than kMaxPlayerOptionsBytes or the folder is empty.  Never
// throws.
PlayerOptions LoadPlayerOptions(const std::filesystem::path& folder);

// Writes the choices into `folder` (creating it if needed) through a
// temporary file held from its creation to its rename over the old one
// (rules/held_file.h), so a failed write leaves the old file whole.  False when the folder is empty or cannot be
// written.  Never throws.
bool SavePlayerOptions(const std::filesystem::path& folder, const PlayerOptions& options);

// Removes from `folder` the temporary files of saves that a killed run left
// behind (none that a running game holds); returns how many went.
int RemoveLeftoverPlayerOptions(const std::filesystem::path& folder);

}  // namespace duel
