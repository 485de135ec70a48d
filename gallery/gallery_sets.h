// The gallery's fixed table: the "none" item and the five picture sets, in menu order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duel {

// One item of the "К&расотка" submenu.  Item 1 is "&Нету" (no set); items 2..6
// are the picture sets, whose fields below item/menu are empty or 0 for item 1.
struct GalleryItem {
    int item;                          // 1..6: menu order and the digit the settings keep
    std::string_view menuObjectName;   // e.g. "mnuAddBeautyLunaPressvick"
    std::string_view menuCaption;      // e.g. "&Луна Прессвик"
    std::string_view stem;             // file stem of stem.txt / stem.dat; empty for item 1
    std::string_view displayName;      // prize window and viewer title
    int pictureCount;                  // where a line of wins ends (fixed, not read from files)
    std::string_view countCaption;     // prize window's lblChF, e.g. "4 ФОТО"
    std::string_view imageHolderName;  // prize window's image holder, e.g. "imgLunaPressvick"
    std::string_view thumbnail;        // Qt resource path of the set's thumbnail
};

inline constexpr int kNoSetItem = 1;
inline constexpr int kGalleryItemCount = 6;

// Thumbnail size in pixels; the prize window's layout follows it.
inline constexpr int kThumbnailWidth = 150;
inline constexpr int kThumbnailHeight = 200;

// All six items in menu order (index 0 holds item 1).
const std::array<GalleryItem, kGalleryItemCount>& GalleryItems();

// The item with this number, or nullptr outside 1..6.
const GalleryItem* GalleryItemAt(int item);

// The picture set with this menu item (2..6), or nullptr for "none" and anything else.
const GalleryItem* GallerySetAt(int item);

// The picture set with this file stem (exact match), or nullptr.
const GalleryItem* GallerySetByStem(std::string_view stem);

// Prize window's order of looking at the checked items: 4, 5, 6, 3, 2.
inline constexpr std::array<int, 5> kPrizeWindowOrder{4, 5, 6, 3, 2};

// Viewer title: display name, two spaces, k, "/", picture count; nullopt
// for a stem outside the table (the viewer then keeps its title).
std::optional<std::string> ViewerTitle(std::string_view stem, int picture);

// Start of the name (no folder) of a temporary picture file: stem, k in
// decimal, ".tmp".  Each running game adds a dot and six characters of its
// own, so that two games never share one file.
std::string TemporaryPictureName(std::string_view stem, int picture);

// True for the name of a temporary picture of any set: a game's own
// (TemporaryPictureName, a dot and six characters) or an older version's
// fixed one (TemporaryPictureName alone).
bool IsTemporaryPictureName(std::string_view name);

}  // namespace duel
