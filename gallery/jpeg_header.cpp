// Reading a JPEG file's stated picture size from its markers.
#include "gallery/jpeg_header.h"

namespace duel {

namespace {

int Byte(std::string_view bytes, size_t at) { return static_cast<unsigned char>(bytes[at]); }

int Word(std::string_view bytes, size_t at) { return Byte(bytes, at) << 8 | Byte(bytes, at + 1); }

// Frame headers: 0xC0..0xCF except DHT (0xC4), JPG (0xC8) and DAC (0xCC).
bool IsFrameHeader(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: TEM and RST0..RST7.
bool StandsAlone(int marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

}  // namespace

std::optional<StatedSize> JpegStatedSize(std::string_view bytes) {
    if (bytes.size() < 2 || Byte(bytes, 0) != 0xFF || Byte(bytes, 1) != 0xD8) return std::nullopt;
    size_t at = 2;
    for (;;) {
        // A marker is 0xFF, any number of 0xFF fill bytes, then its code.
        // Stray bytes before it are skipped, as decoders skip them.
        while (at < bytes.size() && Byte(bytes, at) != 0xFF) ++at;
        while (at < bytes.size() && Byte(bytes, at) == 0xFF) ++at;
        if (at >= bytes.size()) return std::nullopt;
        const int marker = Byte(bytes, at++);
        if (StandsAlone(marker)) continue;
        if (marker == 0xD9 || marker == 0xDA || marker == 0x00) return std::nullopt;  // end, scan or stuffing
        if (at + 2 > bytes.size()) return std::nullopt;
        const size_t length = static_cast<size_t>(Word(bytes, at));
        if (length < 2 || at + length > bytes.size()) return std::nullopt;
        if (IsFrameHeader(marker)) {
            // Length, precision (1 byte), height, width.
            if (length < 7) return std::nullopt;
            return StatedSize{Word(bytes, at + 5), Word(bytes, at + 3)};
        }
        at += length;
    }
}

bool StatesTooManyPixels(std::string_view bytes) {
    const std::optional<StatedSize> size = JpegStatedSize(bytes);
    if (!size) return false;  // nothing stated: the decoder refuses it on its own
    if (size->width == 0 || size->height == 0) return true;
    return int64_t{size->width} * size->height > kMaxPicturePixels;
}

}  // namespace duel
