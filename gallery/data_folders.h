// Finding a picture set beside the program, in the user's data folder or in the installed data folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace duel {

// The first of `folders` (in order: program folder, user data folder,
// installed data folder) that holds both files of the picture set `stem`
// (stem.txt and stem.dat, names matched exactly); nullopt when none does.
// One folder must hold both, so a half-installed set elsewhere is not mixed in.
std::optional<std::filesystem::path> FindSetFolder(const std::vector<std::filesystem::path>& folders,
                                                   std::string_view stem);

}  // namespace duel
