// Looking up a picture set in an ordered list of folders.
#include "gallery/data_folders.h"

#include <string>
#include <system_error>

namespace duel {

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

std::optional<fs::path> FindSetFolder(const std::vector<fs::path>& folders, std::string_view stem) {
    if (stem.empty()) return std::nullopt;
    const std::string name(stem);
    for (const fs::path& folder : folders)
        if (!folder.empty() && IsFile(folder / (name + ".txt")) && IsFile(folder / (name + ".dat"))) return folder;
    return std::nullopt;
}

}  // namespace duel
