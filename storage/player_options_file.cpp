// The file of the player's own choices: read with a size limit, written through a held temporary file.
#include "storage/player_options_file.h"

#include "storage/held_file.h"
#include "storage/regular_file.h"

#include <string>
#include <system_error>

namespace duel {
namespace {

namespace fs = std::filesystem;

fs::path OptionsFilePath(const fs::path& folder) { return folder / fs::path(std::string(kPlayerOptionsFileName)); }

}  // namespace

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
