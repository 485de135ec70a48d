// libFuzzer target: any size list and picture store, parsed and every picture extracted, never crash.
//
// The input is the size list text, a NUL byte, then the store's bytes (no NUL:
// all of it is the size list and the store is empty).
#include "gallery/picture_store.h"
#include "gallery/size_list.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view sizeList = input.substr(0, split);
    const std::string_view store = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const auto sizes = duel::ParseSizeList(sizeList);
    const int count = sizes ? static_cast<int>(sizes.value.size()) : 2;
    for (int k = 0; k <= count + 1; ++k) {
        const auto picture = duel::ExtractPictureFromMemory(sizeList, store, k);
        if (!picture) continue;
        // A picture is exactly its block, with 0xFF first, and only ever comes from a readable list.
        if (!sizes || k < 1 || k > count) std::abort();
        const auto block = duel::LocateBlock(sizes.value, k, store.size());
        if (!block || picture.value.size() != static_cast<size_t>(block.value.size) ||
            static_cast<unsigned char>(picture.value[0]) != duel::kJpegFirstByte ||
            std::string_view(picture.value).substr(1) !=
                store.substr(static_cast<size_t>(block.value.offset) + 1, picture.value.size() - 1))
            std::abort();
    }
    return 0;
}
