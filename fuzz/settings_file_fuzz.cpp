// Fuzz target: any settings file reads without fault, and what it reads is written back and read again unchanged.
#include "storage/settings_file.h"
#include "tests/support/stored_values.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using duel::testing::StoredValues;

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view fileBytes(reinterpret_cast<const char*>(data), size);

    // What the game reads from these bytes.
    duel::GameState read;
    const duel::SettingsRead first = duel::ParseSettingsText(duel::UnCode(fileBytes), read);
    const int32_t left = first.mainLeftTwips.value_or(0);
    const int32_t top = first.mainTopTwips.value_or(0);

    // What it then writes: whole, small, and read back to the same values.
    const std::string file = duel::EnCode(duel::FormatSettingsText(read, left, top));
    Check(file.size() <= 22 * (duel::kMaxStoredTextLength + 2) + 2 * 14);
    Check(file.size() <= duel::kMaxSettingsFileBytes);

    duel::GameState again;
    const duel::SettingsRead second = duel::ParseSettingsText(duel::UnCode(file), again);
    Check(second.validLines == duel::kSettingsLineCount);
    Check(second.mainLeftTwips == left && second.mainTopTwips == top);
    Check(StoredValues(again) == StoredValues(read));

    // Writing is a fixed point from then on.
    Check(duel::EnCode(duel::FormatSettingsText(again, left, top)) == file);

    // The gallery choice read from any file gives a storable choice again.
    const int item = duel::GalleryItemFromChoice(read.galleryChoice);
    Check(item >= 0 && item <= 6);
    const std::string stored = duel::GalleryChoiceToStore(read.galleryChoice, item == 0 ? 1 : item);
    Check(duel::GalleryItemFromChoice(stored) == (item == 0 ? 1 : item));
    return 0;
}
