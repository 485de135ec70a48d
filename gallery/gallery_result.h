// Error values of the gallery's file handling and the small result type that carries them.
#pragma once

#include <string>
#include <utility>

namespace duel {

// Why a picture set or one of its pictures cannot be used.  Every fault in the
// set files ends as one of these; nothing in the gallery's file code throws.
enum class GalleryError {
    None,
    FilesMissing,        // the size list or the picture store is not there
    SizeListUnreadable,  // the size list exists but cannot be read (or is absurdly long)
    StoreUnreadable,     // the picture store exists but cannot be opened or read
    BadCount,            // the first value is not a picture count from 1 to 254
    BadNumber,           // a value is not a decimal number
    TooFewSizes,         // the list ends before all of its sizes
    SizeBelowOne,        // a picture size of 0 or less
    SizeTooLarge,        // a picture size beyond any real picture (kMaxPictureBytes)
    NoSuchPicture,       // the picture number is 0 or beyond the list
    OffsetTooLarge,      // the picture ends beyond the 32-bit offset range
    StoreTooShort,       // the store ends before the picture does
    NotJpeg,             // a picture to be packed is not a JPEG file
    TooManyPictures,     // more pictures than a size list can count (254)
    WriteFailed,         // an output file could not be written
    PictureTooLarge,     // a picture states more pixels than the game will decode
};

// A clear sentence in Russian for the player (or the packing tool's user).
std::string GalleryErrorText(GalleryError error);

// A value, or the reason why there is none.
template <typename T>
struct GalleryResult {
    T value{};
    GalleryError error = GalleryError::None;

    GalleryResult() = default;
    GalleryResult(T v) : value(std::move(v)) {}  // NOLINT: implicit on purpose, like std::expected
    GalleryResult(GalleryError e) : error(e) {}  // NOLINT

    bool ok() const { return error == GalleryError::None; }
    explicit operator bool() const { return ok(); }
};

}  // namespace duel
