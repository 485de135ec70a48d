// The settings file on disk: where it lives, reading the preferred copy, and saving it safely.
//
// What the file holds and how its text is written: rules/settings_format.h.
// A save writes a temporary file of its own, flushes it and renames it over
// the file, so that a failed save or two games saving together never leave a
// half-written file; leftovers of killed runs are removed at start-up
// (RemoveStaleTemporaryFiles).
#pragma once

#include "rules/game_state.h"
#include "rules/settings_format.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace duel {

// File name in the program's folder (or the per-user config folder), UTF-8.
inline constexpr std::string_view kSettingsFileName = "Шелвы и злыки.ini";

// Reading stops after this many bytes: a larger file is not a settings file.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

// Name of the temporary files a save writes beside the settings file: this
// stem, a dot and six random characters.  The stem alone is the name an older
// version used.  Both are removed at start-up when no save holds them.
inline constexpr std::string_view kSettingsTemporaryStem = "Шелвы и злыки.tmp";

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
// be read every field takes its default.  Never throws.
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

}  // namespace duel
