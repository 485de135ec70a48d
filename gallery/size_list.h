// The size list of a picture set: the text file stem.txt that gives N and the N block sizes.
#pragma once

#include "gallery/gallery_result.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace duel {

// Largest N a size list may give (an unsigned byte, 255 kept out).
inline constexpr int kMaxPicturesInSet = 254;

// Largest picture block a set may hold: 32 MiB, more than any real prize
// photograph takes as a JPEG file.  A larger size can only come from a damaged
// or crafted set, and would make the game read it whole into memory.
inline constexpr int32_t kMaxPictureBytes = 32 << 20;

// Longest size list we read; a real one is a few hundred bytes.
inline constexpr std::uintmax_t kMaxSizeListBytes = 1 << 20;

// Parses the size list text: decimal values separated by line breaks (LF, CR
// or CR LF) or commas, with spaces and tabs around a value ignored and empty
// values skipped.  The first value is N (1..254), the next N values are the
// block sizes s(1)..s(N) (1..kMaxPictureBytes each); anything after them is ignored.
// Returns the N sizes, or BadCount, BadNumber, TooFewSizes, SizeBelowOne or
// SizeTooLarge.
GalleryResult<std::vector<int32_t>> ParseSizeList(std::string_view text);

// Reads and parses a size list file: FilesMissing when it is not there,
// SizeListUnreadable when it cannot be read or is longer than kMaxSizeListBytes.
GalleryResult<std::vector<int32_t>> ReadSizeList(const std::filesystem::path& file);

}  // namespace duel
