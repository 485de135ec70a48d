// Deriving the saved picture's name.
#include "gallery/save_name.h"

namespace duel {

std::optional<std::string> SavedPictureName(std::string_view chosen) {
    const size_t slash = chosen.rfind('/');
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    if (nameStart >= chosen.size()) return std::nullopt;
    const size_t dot = chosen.find('.', nameStart + 1);
    const std::string_view base = dot == std::string_view::npos ? chosen : chosen.substr(0, dot);
    return std::string(base) + ".jpg";
}

}  // namespace duel
