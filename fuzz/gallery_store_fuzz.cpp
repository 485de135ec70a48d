// libFuzzer target: any size list and picture store, written as a set's two files and every picture extracted as the
// game extracts it, never crash.
//
// The input is the size list text, a NUL byte, then the store's bytes (no NUL:
// all of it is the size list and the store is empty).  Both go into a private
// folder as Set.txt and Set.dat, which ExtractPicture reads as the prize
// window does.
#include "gallery/picture_store.h"
#include "gallery/size_list.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The set's folder, made once per run and removed when the fuzzer ends.
class SetFolder {
public:
    SetFolder() {
        std::string name = (fs::temp_directory_path() / "shelvy-gallery-fuzz.XXXXXX").string();
        if (!::mkdtemp(name.data())) std::abort();
        path_ = name;
    }
    ~SetFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    void Write(const char* file, std::string_view bytes) const {
        std::ofstream out(path_ / file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) std::abort();
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const SetFolder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view sizeList = input.substr(0, split);
    const std::string_view store = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    folder.Write("Set.txt", sizeList);
    folder.Write("Set.dat", store);

    const auto sizes = duel::ParseSizeList(sizeList);
    const int count = sizes ? static_cast<int>(sizes.value.size()) : 2;
    for (int k = 0; k <= count + 1; ++k) {
        const auto picture = duel::ExtractPicture(folder.path(), "Set", k);
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
