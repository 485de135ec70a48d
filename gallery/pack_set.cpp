// Packing pictures into a set's size list and store.
#include "gallery/pack_set.h"

#include "gallery/jpeg_header.h"
#include "gallery/picture_store.h"
#include "gallery/size_list.h"

#include <limits>
#include <system_error>

namespace duel {

namespace fs = std::filesystem;

bool IsJpeg(std::string_view bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

GalleryResult<PackedSet> PackPictures(const std::vector<std::string>& pictures) {
    if (pictures.empty()) return GalleryError::BadCount;
    if (pictures.size() > static_cast<size_t>(kMaxPicturesInSet)) return GalleryError::TooManyPictures;
    size_t total = 0;
    for (const std::string& picture : pictures) {
        if (!IsJpeg(picture)) return GalleryError::NotJpeg;
        // A set the game would refuse to show is not written.
        if (picture.size() > static_cast<size_t>(kMaxPictureBytes)) return GalleryError::SizeTooLarge;
        if (StatesTooManyPixels(picture)) return GalleryError::PictureTooLarge;
        total += picture.size();
        if (total > static_cast<size_t>(std::numeric_limits<int32_t>::max())) return GalleryError::OffsetTooLarge;
    }
    PackedSet set;
    set.store.reserve(total);
    set.sizeList = std::to_string(pictures.size()) + "\r\n";
    for (const std::string& picture : pictures) {
        set.sizeList += std::to_string(picture.size()) + "\r\n";
        set.store.push_back(static_cast<char>(kPlaceholderByte));
        set.store.append(picture, 1, std::string::npos);
    }
    return set;
}

GalleryError WritePackedSet(const fs::path& stemPath, const PackedSet& set) {
    const fs::path store = fs::path(stemPath).concat(".dat");
    const fs::path sizeList = fs::path(stemPath).concat(".txt");
    const fs::path storePart = fs::path(store).concat(".part");
    const fs::path sizeListPart = fs::path(sizeList).concat(".part");
    std::error_code ec;
    bool ok = WriteWholeFile(storePart, set.store) && WriteWholeFile(sizeListPart, set.sizeList);
    if (ok) {
        fs::rename(storePart, store, ec);
        ok = !ec;
    }
    if (ok) {
        fs::rename(sizeListPart, sizeList, ec);
        ok = !ec;
    }
    fs::remove(storePart, ec);
    fs::remove(sizeListPart, ec);
    return ok ? GalleryError::None : GalleryError::WriteFailed;
}

}  // namespace duel
