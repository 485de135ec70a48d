// Benchmarks of picture extraction from a set's files, as a won game does it.
#include "gallery/pack_set.h"
#include "gallery/picture_store.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace duel {
namespace {

namespace fs = std::filesystem;

// A set of pictures of the given sizes written into a private folder, removed afterwards.
class SetOnDisk {
public:
    SetOnDisk(const std::string& name, const std::vector<size_t>& sizes)
        : folder_(fs::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
        std::vector<std::string> pictures;
        for (size_t size : sizes) {
            std::string picture(size, '\x5A');
            picture[0] = '\xFF';
            picture[1] = '\xD8';
            picture[2] = '\xFF';
            pictures.push_back(std::move(picture));
        }
        WritePackedSet(folder_ / "Set", PackPictures(pictures).value);
    }
    ~SetOnDisk() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    const fs::path& folder() const { return folder_; }

private:
    fs::path folder_;
};

void Extract(benchmark::State& state, const fs::path& folder, int picture) {
    size_t bytes = 0;
    for (auto _ : state) {
        const auto extracted = ExtractPicture(folder, "Set", picture);
        if (!extracted) {
            state.SkipWithError(GalleryErrorText(extracted.error).c_str());
            return;
        }
        bytes = extracted.value.size();
        benchmark::DoNotOptimize(extracted.value.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// One 5 MB picture (a set of one): reading the size list and the whole block.
void BM_ExtractFiveMegabytePicture(benchmark::State& state) {
    const SetOnDisk set("gallery_bench_5mb", {5 * 1024 * 1024});
    Extract(state, set.folder(), 1);
}
BENCHMARK(BM_ExtractFiveMegabytePicture)->Unit(benchmark::kMillisecond);

// The last picture of an 8-picture set of 200 KB pictures: the store is
// read only over that one block, whatever lies before it.
void BM_ExtractLastOfEight(benchmark::State& state) {
    const SetOnDisk set("gallery_bench_8", std::vector<size_t>(8, 200 * 1024));
    Extract(state, set.folder(), 8);
}
BENCHMARK(BM_ExtractLastOfEight)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace duel
