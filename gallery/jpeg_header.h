// The picture size a JPEG file states in its frame header, read before anything is decoded.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace duel {

// Most pixels a prize picture may have: 24 million (6000 x 4000, a large
// camera photograph), about 96 MB once decoded at four bytes a pixel.  A set
// whose picture states more is refused before it is decoded, so that a small
// crafted file cannot make the game take gigabytes.
inline constexpr int64_t kMaxPicturePixels = 24'000'000;

struct StatedSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Width and height from the first frame header (SOF0..SOF15) of a JPEG file,
// walking its markers from the start (stray bytes between them skipped, as
// decoders skip them); nothing when the bytes end, a segment's length runs
// past them, or the scan starts before any frame header.
std::optional<StatedSize> JpegStatedSize(std::string_view bytes);

// True when the JPEG bytes state a size of more than kMaxPicturePixels, or a
// width or height of zero (which a decoder would take from the scan itself).
bool StatesTooManyPixels(std::string_view bytes);

}  // namespace duel
