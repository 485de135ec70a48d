// The gallery's fixed table and the names built from it.
#include "gallery/gallery_sets.h"

#include "rules/player_text.h"
#include "storage/held_file.h"

namespace duel {

namespace {

constexpr std::array<GalleryItem, kGalleryItemCount> kItems{{
    {1, "mnuAddBeautyNot", "&Нету", "", "", 0, "", "", ""},
    {2, "mnuAddBeautyTessaQuorin", "&Тесса Куорин", "TessaQuorin", DUEL_MARK("gallery", "Тесса Куорин"), 8,
     DUEL_MARK("gallery", "8 ФОТО"), "imgTessaQuorin", ":/gallery/thumb1.jpg"},
    {3, "mnuAddBeautyMarlaVentobrix", "&Марла Вентобрикс", "MarlaVentobrix", DUEL_MARK("gallery", "Марла Вентобрикс"),
     5, DUEL_MARK("gallery", "5 ФОТО"), "imgMarlaVentobrix", ":/gallery/thumb2.jpg"},
    {4, "mnuAddBeautyDoriaFelstrand", "&Дориа Фелстранд", "DoriaFelstrand", DUEL_MARK("gallery", "Дориа Фелстранд"), 5,
     DUEL_MARK("gallery", "5 ФОТО"), "imgDoriaFelstrand", ":/gallery/thumb3.jpg"},
    {5, "mnuAddBeautyLunaPressvick", "&Луна Прессвик", "LunaPressvick", DUEL_MARK("gallery", "Луна Прессвик"), 4,
     DUEL_MARK("gallery", "4 ФОТО"), "imgLunaPressvick", ":/gallery/thumb4.jpg"},
    {6, "mnuAddBeautyNinaCorveld", "&Нина Корвельд", "NinaCorveld", DUEL_MARK("gallery", "Нина Корвельд"), 5,
     DUEL_MARK("gallery", "5 ФОТО"), "imgNinaCorveld", ":/gallery/thumb5.jpg"},
}};

}  // namespace

const std::array<GalleryItem, kGalleryItemCount>& GalleryItems() { return kItems; }

const GalleryItem* GalleryItemAt(int item) {
    return item >= 1 && item <= kGalleryItemCount ? &kItems[static_cast<size_t>(item - 1)] : nullptr;
}

const GalleryItem* GallerySetAt(int item) { return item == kNoSetItem ? nullptr : GalleryItemAt(item); }

const GalleryItem* GallerySetByStem(std::string_view stem) {
    for (const GalleryItem& set : kItems)
        if (set.item != kNoSetItem && set.stem == stem) return &set;
    return nullptr;
}

std::optional<std::string> ViewerTitle(std::string_view stem, int picture) {
    const GalleryItem* set = GallerySetByStem(stem);
    if (!set) return std::nullopt;
    return Word("gallery", set->displayName.data()) + "  " + std::to_string(picture) + "/" +
           std::to_string(set->pictureCount);
}

std::string TemporaryPictureName(std::string_view stem, int picture) {
    return std::string(stem) + std::to_string(picture) + ".tmp";
}

bool IsTemporaryPictureName(std::string_view name) {
    for (const GalleryItem& set : kItems) {
        if (set.stem.empty() || !name.starts_with(set.stem)) continue;
        const std::string_view rest = name.substr(set.stem.size());
        size_t digits = 0;
        while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
        if (digits == 0 || rest[0] == '0') continue;
        const std::string fixed = std::string(name.substr(0, set.stem.size() + digits)) + ".tmp";
        if (name == fixed || IsHeldFileName(name, fixed)) return true;
    }
    return false;
}

}  // namespace duel
