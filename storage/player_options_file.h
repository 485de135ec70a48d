// The file of the player's own choices in the user's config folder: loaded, saved whole, leftovers removed.
#pragma once

#include "rules/player_options.h"

#include <filesystem>

namespace duel {

// The choices kept in `folder`: both off when the file is missing, cannot be
// read, is larger than kMaxPlayerOptionsBytes or the folder is empty.  Never
// throws.
PlayerOptions LoadPlayerOptions(const std::filesystem::path& folder);

// Writes the choices into `folder` (creating it if needed) through a
// temporary file held from its creation to its rename over the old one
// (storage/held_file.h), so a failed write leaves the old file whole.  False when the folder is empty or cannot be
// written.  Never throws.
bool SavePlayerOptions(const std::filesystem::path& folder, const PlayerOptions& options);

// Removes from `folder` the temporary files of saves that a killed run left
// behind (none that a running game holds); returns how many went.
int RemoveLeftoverPlayerOptions(const std::filesystem::path& folder);

}  // namespace duel
