// The pictures of the two guess displays.
#include "rules/guess_pictures.h"

#include "rules/cp1251.h"

#include <vector>

namespace duel {

namespace {

// The characters of a UTF-8 text, each as its picture.
std::vector<int> PicturesOf(std::string_view utf8) {
    std::vector<int> pictures;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = DecodeUtf8At(utf8, pos);
        const bool digit = c.valid && c.codePoint >= U'0' && c.codePoint <= U'9';
        pictures.push_back(digit ? static_cast<int>(c.codePoint - U'0') : kDashPicture);
        pos += c.length;
    }
    return pictures;
}

}  // namespace

std::array<int, 4> ComposedGuessPictures(std::string_view utf8) {
    std::vector<int> pictures = PicturesOf(utf8);
    if (pictures.size() > 4) pictures.resize(4);
    std::array<int, 4> shown{};
    const std::size_t first = 4 - pictures.size();
    for (std::size_t k = 0; k < pictures.size(); ++k) shown[first + k] = pictures[k];
    return shown;
}

std::array<int, 4> ComputerGuessPictures(std::string_view utf8) {
    const std::vector<int> pictures = PicturesOf(utf8);
    if (pictures.empty()) return {};
    if (pictures.size() != 4) return {kDashPicture, kDashPicture, kDashPicture, kDashPicture};
    return {pictures[0], pictures[1], pictures[2], pictures[3]};
}

}  // namespace duel
