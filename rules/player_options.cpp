// The player's own choices: their file's text read and written, the file loaded and saved through a held temporary
// file.
#include "rules/player_options.h"

#include "rules/held_file.h"
#include "rules/regular_file.h"

#include <optional>
#include <system_error>

namespace duel {
namespace {

namespace fs = std::filesystem;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<bool> ParseSwitch(std::string_view value) {
    if (value == "true" || value == "1") return true;
    if (value == "false" || value == "0") return false;
    return std::nullopt;
}

fs::path OptionsFilePath(const fs::path& folder) { return folder / fs::path(std::string(kPlayerOptionsFileName)); }

}  // namespace

PlayerOptions ParsePlayerOptions(std::string_view text) {
    PlayerOptions options;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const auto equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::optional<bool> value = ParseSwitch(Trimmed(line.substr(equals + 1)));
        if (!value) continue;
        if (key == "hint") options.hint = *value;
        if (key == "strong") options.strong = *value;
    }
    return options;
}

std::string PlayerOptionsText(const PlayerOptions& options) {
    const auto word = [](bool on) { return on ? "true" : "false"; };
    return std::string("[options]\nhint=") + word(options.hint) + "\nstrong=" + word(options.strong) + "\n";
}

PlayerOptions LoadPlayerOptions(const std::filesystem::path& folder) {
    if (folder.empty()) return {};
    // Never opened when it is not a regular file: a named pipe would stop the start for good.
    const FileRead read = ReadRegularFile(OptionsFilePath(folder), kMaxPlayerOptionsBytes);
    if (read.status != FileReadStatus::Read) return {};
    return ParsePlayerOptions(read.bytes);
}

bool SavePlayerOptions(const std::filesystem::path& folder, const PlayerOptions& options) {
    if (folder.empty()) return false;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return false;
    HeldFile temporary = HeldFile::Create(folder, kPlayerOptionsFileName);
    return temporary && temporary.Write(PlayerOptionsText(options)) && temporary.Sync() &&
           temporary.RenameTo(OptionsFilePath(folder));
}

int RemoveLeftoverPlayerOptions(const std::filesystem::path& folder) {
    if (folder.empty()) return 0;
    return RemoveUnheldFiles(folder,
                             [](const std::string& name) { return IsHeldFileName(name, kPlayerOptionsFileName); });
}

}  // namespace duel
