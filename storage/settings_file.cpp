// The settings file on disk: the preferred copy read, saves through a locked temporary file, leftovers removed.
#include "storage/settings_file.h"

#include "storage/held_file.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <system_error>

namespace duel {
namespace {

namespace fs = std::filesystem;

constexpr auto kMaxSettingsBytes = static_cast<std::streamsize>(kMaxSettingsFileBytes);

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // In small pieces up to the limit: a settings file is a few hundred bytes,
    // and a buffer of the whole limit would be a megabyte to clear at every start.
    std::string bytes;
    char piece[4096];
    while (static_cast<std::streamsize>(bytes.size()) < kMaxSettingsBytes) {
        in.read(piece, std::min<std::streamsize>(sizeof piece, kMaxSettingsBytes - std::ssize(bytes)));
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
        if (!in) {
            break;
        }
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

// The existing settings files, the preferred one first: newest first, and
// among equally new files the earlier folder first.
std::vector<fs::path> FilesByPreference(const std::vector<fs::path>& folders) {
    struct Candidate {
        fs::path path;
        fs::file_time_type time;
    };
    std::vector<Candidate> found;
    for (const fs::path& folder : folders) {
        if (folder.empty()) {
            continue;
        }
        std::error_code error;
        fs::path path = SettingsFilePath(folder);
        if (!fs::is_regular_file(path, error)) {
            continue;
        }
        const fs::file_time_type time = fs::last_write_time(path, error);
        found.push_back({std::move(path), error ? fs::file_time_type::min() : time});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.time > b.time; });
    std::vector<fs::path> paths;
    for (Candidate& candidate : found) {
        paths.push_back(std::move(candidate.path));
    }
    return paths;
}

// A temporary file of our own: the stem alone (an older version's fixed
// name), or the stem, a dot and six characters.
bool IsOurTemporaryName(const std::string& name) {
    return name == kSettingsTemporaryStem || IsHeldFileName(name, kSettingsTemporaryStem);
}

// Writes `bytes` as the settings file of `folder` through a temporary file
// that is held from its creation to its rename over the target, so a game
// starting meanwhile does not take it for a leftover; the temporary file
// never survives.
bool SaveInto(const fs::path& folder, std::string_view bytes) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return false;
    }
    HeldFile temporary = HeldFile::Create(folder, kSettingsTemporaryStem);
    return temporary && temporary.Write(bytes) && temporary.Sync() && temporary.RenameTo(SettingsFilePath(folder));
}

}  // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& folder) {
    return folder / std::u8string(kSettingsFileName.begin(), kSettingsFileName.end());
}

SettingsLoad LoadSettings(const std::vector<std::filesystem::path>& folders, GameState& state) {
    SettingsLoad load;
    try {
        for (const fs::path& path : FilesByPreference(folders)) {
            if (const auto bytes = ReadFileBytes(path)) {
                load.values = ParseSettingsText(UnCode(*bytes), state);
                load.source = path;
                return load;
            }
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: use the defaults.
    }
    load.values = ParseSettingsText("", state);
    return load;
}

std::optional<std::filesystem::path> SaveSettings(const std::vector<std::filesystem::path>& folders,
                                                  const GameState& state, int32_t mainLeftTwips, int32_t mainTopTwips) {
    try {
        const std::string bytes = EnCode(FormatSettingsText(state, mainLeftTwips, mainTopTwips));
        for (const fs::path& folder : folders) {
            if (!folder.empty() && SaveInto(folder, bytes)) {
                return SettingsFilePath(folder);
            }
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: nothing saved.
    }
    return std::nullopt;
}

int RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    return RemoveUnheldFiles(folder, IsOurTemporaryName);
}

}  // namespace duel
