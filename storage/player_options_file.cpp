// The file of the player's own choices: read with a size limit, written through a held temporary file.
#include "storage/player_options_file.h"

#include "storage/held_file.h"

#include <fstream>
#include <string>
#include <system_error>

namespace duel {
namespace {

namespace fs = std::filesystem;

fs::path OptionsFilePath(const fs::path& folder) { return folder / fs::path(std::string(kPlayerOptionsFileName)); }

}  // namespace

PlayerOptions LoadPlayerOptions(const std::filesystem::path& folder) {
    if (folder.empty()) return {};
    std::ifstream in(OptionsFilePath(folder), std::ios::binary);
    if (!in) return {};
    std::string bytes(kMaxPlayerOptionsBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return {};
    const auto read = static_cast<std::size_t>(in.gcount());
    if (read > kMaxPlayerOptionsBytes) return {};
    bytes.resize(read);
    return ParsePlayerOptions(bytes);
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
