// The name a saved picture gets from the name chosen in the save dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace duel {

// The chosen path up to the first dot of its file name (a leading dot of the
// file name does not count), or the whole path when the file name has no
// other dot, followed by ".jpg".  The file name is what follows the last "/".
// "/pics/my.photo.png" -> "/pics/my.jpg", "/pics/summer" -> "/pics/summer.jpg",
// "/pics/.hidden" -> "/pics/.hidden.jpg".  nullopt when the path names no file
// (empty, or ending in "/").
std::optional<std::string> SavedPictureName(std::string_view chosen);

}  // namespace duel
