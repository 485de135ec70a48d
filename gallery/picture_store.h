// Picture k of a set: where its block lies in the store stem.dat, and its bytes taken out.
//
// The store holds the N blocks back to back.  Block k starts at
// o(k) = s(1) + ... + s(k-1) and is s(k) bytes long; its first byte is a
// placeholder that extraction replaces with 0xFF, the first byte of every
// JPEG file, so the picture is 0xFF followed by bytes 1..s(k)-1 of the block.
#pragma once

#include "gallery/gallery_result.h"
#include "storage/held_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace duel {

// Byte that stands first in every JPEG file and in every extracted picture.
inline constexpr unsigned char kJpegFirstByte = 0xFF;

// Where block k lies in the store.
struct BlockSpan {
    int64_t offset = 0;  // o(k), 0-based
    int32_t size = 0;    // s(k), at least 1
};

// Finds block `picture` (1-based) for the parsed sizes s(1)..s(N) in a store
// of storeLength bytes.  NoSuchPicture when picture is outside 1..N,
// OffsetTooLarge when o(k) + s(k) passes 2^31-1, StoreTooShort when the
// store ends before the block does.
GalleryResult<BlockSpan> LocateBlock(const std::vector<int32_t>& sizes, int picture, std::uintmax_t storeLength);

// Picture `picture` from the files sizeList and store: validates both files
// and the sizes first, then reads only the size list and the one block.
// PictureTooLarge when the picture states more than kMaxPicturePixels.
GalleryResult<std::string> ExtractPictureFromFiles(const std::filesystem::path& sizeList,
                                                   const std::filesystem::path& store, int picture);

// Picture `picture` of the set `stem` whose files stem.txt and stem.dat lie in `folder`.
GalleryResult<std::string> ExtractPicture(const std::filesystem::path& folder, std::string_view stem, int picture);

// Writes an extracted picture as a temporary file of this game's own,
// stem + k + ".tmp" and six characters, into the first of `folders` that takes
// it; WriteFailed when none does.  The file is held until the returned
// HeldFile removes it (or goes), so a game starting meanwhile leaves it alone.
// A file that could not be written whole is removed again.
GalleryResult<HeldFile> WriteTemporaryPicture(const std::vector<std::filesystem::path>& folders, std::string_view stem,
                                              int picture, std::string_view bytes);

// Removes from `folder` the temporary pictures that no running game holds:
// those of runs that ended without closing their viewer, and an older
// version's fixed names.  Returns how many went.
int RemoveLeftoverPictures(const std::filesystem::path& folder);

// A game whose own folder cannot take its picture writes it into a private
// folder of the system's temporary folder: this prefix and six characters.
inline constexpr std::string_view kPrivatePictureFolderPrefix = "shelvy-zlyki-";

// Removes the private picture folders in `tempRoot` that killed runs left:
// in each of this user's own folders unchanged for a minute, the pictures no
// running game holds, then the folder once empty.  A younger folder may be
// one a game has just made for the picture it is about to write, and stays.
// Returns how many folders went.
int RemoveLeftoverPrivateFolders(const std::filesystem::path& tempRoot);

// Writes bytes to `file`, replacing it; false (and no partial file left) on failure.
bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace duel
