// Packing JPEG pictures into a set's two files: the size list stem.txt and the store stem.dat.
#pragma once

#include "gallery/gallery_result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace duel {

// Byte written in place of each picture's first byte (0xFF) in the store.
inline constexpr unsigned char kPlaceholderByte = 0x00;

// True when the bytes begin like a JPEG file: FF D8 FF.
bool IsJpeg(std::string_view bytes);

struct PackedSet {
    std::string sizeList;  // N, then the N sizes, one value per CR LF line
    std::string store;     // the pictures back to back, first byte of each replaced
};

// Packs pictures in the given order.  NotJpeg when one is not a JPEG file,
// SizeTooLarge or PictureTooLarge when the game would refuse one (more than
// kMaxPictureBytes, more than kMaxPicturePixels), TooManyPictures beyond 254
// (or none at all: BadCount), OffsetTooLarge when the store would pass
// 2^31-1 bytes.
GalleryResult<PackedSet> PackPictures(const std::vector<std::string>& pictures);

// Writes stemPath + ".dat" and stemPath + ".txt".  Both are written to
// temporary names beside their targets first and renamed only when both are
// complete, so a failure leaves any older set untouched; WriteFailed then.
GalleryError WritePackedSet(const std::filesystem::path& stemPath, const PackedSet& set);

}  // namespace duel
