// Locating and extracting one picture block from a set's store.
#include "gallery/picture_store.h"

#include "gallery/gallery_sets.h"
#include "gallery/jpeg_header.h"
#include "gallery/size_list.h"

#include <ctime>
#include <fstream>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace duel {

namespace fs = std::filesystem;

GalleryResult<BlockSpan> LocateBlock(const std::vector<int32_t>& sizes, int picture, std::uintmax_t storeLength) {
    if (picture < 1 || static_cast<size_t>(picture) > sizes.size()) return GalleryError::NoSuchPicture;
    // The offset is a signed 32-bit sum in the set format; 64 bits here so
    // that passing that range is seen instead of wrapping.
    constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
    int64_t offset = 0;
    for (int i = 0; i < picture - 1; ++i) {
        if (sizes[static_cast<size_t>(i)] < 1) return GalleryError::SizeBelowOne;
        offset += sizes[static_cast<size_t>(i)];
        if (offset > kLimit) return GalleryError::OffsetTooLarge;
    }
    const int32_t size = sizes[static_cast<size_t>(picture - 1)];
    if (size < 1) return GalleryError::SizeBelowOne;
    const int64_t end = offset + size;
    if (end > kLimit) return GalleryError::OffsetTooLarge;
    if (static_cast<std::uintmax_t>(end) > storeLength) return GalleryError::StoreTooShort;
    return BlockSpan{offset, size};
}

namespace {

// 0xFF in place of the block's placeholder byte, then the rest of the block;
// refused when it states more pixels than the game decodes.
GalleryResult<std::string> PictureFromBlockTail(std::string_view tail) {
    std::string picture;
    picture.reserve(tail.size() + 1);
    picture.push_back(static_cast<char>(kJpegFirstByte));
    picture.append(tail);
    if (StatesTooManyPixels(picture)) return GalleryError::PictureTooLarge;
    return picture;
}

}  // namespace

GalleryResult<std::string> ExtractPictureFromFiles(const fs::path& sizeList, const fs::path& store, int picture) {
    std::error_code ec;
    if (!fs::is_regular_file(sizeList, ec) || !fs::is_regular_file(store, ec)) return GalleryError::FilesMissing;
    const auto sizes = ReadSizeList(sizeList);
    if (!sizes) return sizes.error;
    const std::uintmax_t storeLength = fs::file_size(store, ec);
    if (ec) return GalleryError::StoreUnreadable;
    const auto block = LocateBlock(sizes.value, picture, storeLength);
    if (!block) return block.error;

    try {
        std::ifstream in(store, std::ios::binary);
        if (!in) return GalleryError::StoreUnreadable;
        std::string tail(static_cast<size_t>(block.value.size) - 1, '\0');
        if (!tail.empty()) {
            in.seekg(static_cast<std::streamoff>(block.value.offset) + 1);
            in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
            // The store may have shrunk since its length was taken.
            if (!in || in.gcount() != static_cast<std::streamsize>(tail.size())) return GalleryError::StoreTooShort;
        }
        return PictureFromBlockTail(tail);
    } catch (const std::exception&) {
        return GalleryError::StoreUnreadable;
    }
}

GalleryResult<std::string> ExtractPicture(const fs::path& folder, std::string_view stem, int picture) {
    const std::string name(stem);
    return ExtractPictureFromFiles(folder / (name + ".txt"), folder / (name + ".dat"), picture);
}

bool WriteWholeFile(const fs::path& file, std::string_view bytes) {
    bool written = false;
    try {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            written = !out.fail();
        }
    } catch (const std::exception&) {
        written = false;
    }
    if (!written) {
        std::error_code ec;
        fs::remove(file, ec);
    }
    return written;
}

GalleryResult<HeldFile> WriteTemporaryPicture(const std::vector<fs::path>& folders, std::string_view stem, int picture,
                                              std::string_view bytes) {
    const std::string name = TemporaryPictureName(stem, picture);
    for (const fs::path& folder : folders) {
        if (folder.empty()) continue;
        HeldFile file = HeldFile::Create(folder, name);
        if (file && file.Write(bytes)) return GalleryResult<HeldFile>(std::move(file));
    }
    return GalleryError::WriteFailed;
}

int RemoveLeftoverPictures(const fs::path& folder) {
    return RemoveUnheldFiles(folder, [](const std::string& name) { return IsTemporaryPictureName(name); });
}

int RemoveLeftoverPrivateFolders(const fs::path& tempRoot) {
    constexpr std::time_t kSettleSeconds = 60;
    int removed = 0;
    try {
        std::error_code error;
        if (tempRoot.empty()) return 0;
        const std::time_t now = std::time(nullptr);
        for (fs::directory_iterator it(tempRoot, error), end; !error && it != end; it.increment(error)) {
            const fs::path& path = it->path();
            const std::string name = path.filename().native();
            if (name.size() != kPrivatePictureFolderPrefix.size() + 6 || !name.starts_with(kPrivatePictureFolderPrefix))
                continue;
            struct stat info {};
            if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) continue;
            if (now - info.st_mtime < kSettleSeconds) continue;
            RemoveLeftoverPictures(path);
            removed += ::rmdir(path.c_str()) == 0;  // fails while a running game's picture is in it
        }
    } catch (const std::exception&) {
        // Out of memory or a path the system cannot represent: nothing more removed.
    }
    return removed;
}

}  // namespace duel
