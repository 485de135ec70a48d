// Size lists, picture extraction, packing and data-folder lookup of the prize gallery.
#include "gallery/data_folders.h"
#include "gallery/jpeg_header.h"
#include "gallery/pack_set.h"
#include "gallery/picture_store.h"
#include "gallery/size_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace duel {
namespace {

namespace fs = std::filesystem;

// A private folder for one test, removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::string& suffix = "") {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("gallery_" + std::string(info->name()) + suffix + "_" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

private:
    fs::path path_;
};

// Picture `picture` of a set whose size list and store hold these bytes, taken
// out as the game takes it: from the set's two files.
GalleryResult<std::string> ExtractFromSet(std::string_view sizeList, std::string_view store, int picture) {
    const TempFolder folder("_set");
    folder.write("Set.txt", std::string(sizeList));
    folder.write("Set.dat", std::string(store));
    return ExtractPicture(folder.path(), "Set", picture);
}

// Bytes 0, 1, 2, ... so that every offset is recognisable.
std::string Counting(size_t length) {
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

TEST(GallerySizeList, ReadsValuesSeparatedByLineBreaksAndCommas) {
    const struct {
        const char* text;
        std::vector<int32_t> sizes;
    } cases[] = {
        {"3\r\n100\r\n200\r\n300\r\n", {100, 200, 300}},
        {"3,100,200,300", {100, 200, 300}},
        {" 3 ,\t100 \n 200\r300", {100, 200, 300}},
        {"2\n\n5\n\n7\n", {5, 7}},                       // blank lines skipped
        {"2\n5\n7\n9\ngarbage after the list", {5, 7}},  // extra values ignored
        {"1\n33554432", {33554432}},                     // the largest block a set may hold
        {"1\n+0000000000000000042", {42}},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseSizeList(c.text);
        ASSERT_TRUE(parsed.ok()) << c.text << ": " << GalleryErrorText(parsed.error);
        EXPECT_EQ(parsed.value, c.sizes) << c.text;
    }
}

TEST(GallerySizeList, RefusesWhatCannotBeRead) {
    const struct {
        const char* text;
        GalleryError error;
    } cases[] = {
        {"", GalleryError::BadCount},
        {"0\n", GalleryError::BadCount},
        {"255\n1", GalleryError::BadCount},
        {"99999999999999999999999\n1", GalleryError::BadCount},
        {"x\n1", GalleryError::BadNumber},
        {"2\n100\n2OO", GalleryError::BadNumber},
        {"2\n1 00\n200", GalleryError::BadNumber},
        {"2\n1.5\n200", GalleryError::BadNumber},
        {"2\n-\n200", GalleryError::BadNumber},
        {"3\n100\n200", GalleryError::TooFewSizes},
        {"2\n100\n0", GalleryError::SizeBelowOne},
        {"2\n-5\n100", GalleryError::SizeBelowOne},
        {"1\n33554433", GalleryError::SizeTooLarge},    // beyond any real picture
        {"1\n2147483647", GalleryError::SizeTooLarge},  // a crafted 2 GB block
        {"1\n2147483648", GalleryError::SizeTooLarge},
        {"1\n99999999999999999999999999999999", GalleryError::SizeTooLarge},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSizeList(c.text).error, c.error) << c.text;
}

TEST(GalleryExtract, ReplacesTheFirstByteAndTakesExactlyTheBlock) {
    const std::string store = Counting(600);
    const std::string sizes = "3\r\n100\r\n200\r\n300\r\n";

    const auto first = ExtractFromSet(sizes, store, 1);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.value, "\xFF" + store.substr(1, 99));

    const auto third = ExtractFromSet(sizes, store, 3);
    ASSERT_TRUE(third.ok());
    ASSERT_EQ(third.value.size(), 300u);
    EXPECT_EQ(third.value, "\xFF" + store.substr(301, 299));  // o(3) = 300, reads from 301

    const auto tiny = ExtractFromSet("2\n1\n4",
                                     "\x07"
                                     "abcd",
                                     1);
    ASSERT_TRUE(tiny.ok());
    EXPECT_EQ(tiny.value, "\xFF");
}

TEST(GalleryExtract, RefusesPicturesTheFilesCannotHold) {
    const std::string store = Counting(600);
    // 64 blocks of the largest size: the last one ends at 2^31, past the 32-bit offsets.
    std::string largest = "64\n";
    for (int i = 0; i < 64; ++i) largest += std::to_string(kMaxPictureBytes) + "\n";
    const struct {
        std::string sizes;
        size_t storeLength;
        int picture;
        GalleryError error;
    } cases[] = {
        {"3\n100\n200\n300", 599, 3, GalleryError::StoreTooShort},
        {"3\n100\n200\n300", 600, 4, GalleryError::NoSuchPicture},
        {"3\n100\n200\n300", 600, 0, GalleryError::NoSuchPicture},
        {largest, 600, 64, GalleryError::OffsetTooLarge},
        {largest, 600, 63, GalleryError::StoreTooShort},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractFromSet(c.sizes, std::string_view(store).substr(0, c.storeLength), c.picture).error, c.error)
            << c.sizes << " picture " << c.picture;
}

TEST(GalleryExtract, ReadsFromFilesAndReportsMissingOrShortOnes) {
    TempFolder folder;
    const std::string store = Counting(600);
    folder.write("Set.txt", "3\n100\n200\n300\n");
    folder.write("Set.dat", store);
    const auto third = ExtractPicture(folder.path(), "Set", 3);
    ASSERT_TRUE(third.ok()) << GalleryErrorText(third.error);
    EXPECT_EQ(third.value, "\xFF" + store.substr(301, 299));

    EXPECT_EQ(ExtractPicture(folder.path(), "Other", 1).error, GalleryError::FilesMissing);
    folder.write("Half.txt", "1\n10\n");
    EXPECT_EQ(ExtractPicture(folder.path(), "Half", 1).error, GalleryError::FilesMissing);

    folder.write("Set.dat", store.substr(0, 550));
    EXPECT_EQ(ExtractPicture(folder.path(), "Set", 3).error, GalleryError::StoreTooShort);
    EXPECT_TRUE(ExtractPicture(folder.path(), "Set", 2).ok());
}

// A JPEG file's start: SOI, an APP0 segment, then a baseline frame header
// stating `width` x `height`, and the start of a scan.
std::string JpegStating(int width, int height, unsigned char frameMarker = 0xC0) {
    std::string bytes = "\xFF\xD8\xFF\xE0";
    bytes += std::string("\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 16);
    bytes += "\xFF";
    bytes += static_cast<char>(frameMarker);
    bytes += std::string("\x00\x0B\x08", 3);  // length 11, 8-bit samples
    for (int value : {height, width}) {
        bytes += static_cast<char>(value >> 8);
        bytes += static_cast<char>(value & 0xFF);
    }
    bytes += std::string("\x01\x01\x11\x00", 4);  // one component
    bytes += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    return bytes;
}

TEST(GalleryExtract, RefusesAPictureThatStatesMorePixelsThanTheGameDecodes) {
    // The frame header is found after other segments, stray bytes and fill bytes,
    // in a progressive file too.
    EXPECT_EQ(JpegStatedSize(JpegStating(640, 480))->width, 640);
    EXPECT_EQ(JpegStatedSize(JpegStating(640, 480))->height, 480);
    std::string padded = JpegStating(15000, 15000, 0xC2);
    padded.insert(20, "\x12\x34\xFF\xFF");
    ASSERT_TRUE(JpegStatedSize(padded).has_value());
    EXPECT_EQ(JpegStatedSize(padded)->width, 15000);
    // Nothing stated: no frame header before the scan, cut short, not a JPEG.
    std::string scanFirst = JpegStating(640, 480);
    scanFirst.erase(20, 13);
    EXPECT_FALSE(JpegStatedSize(scanFirst).has_value());
    EXPECT_FALSE(JpegStatedSize(JpegStating(640, 480).substr(0, 25)).has_value());
    EXPECT_FALSE(JpegStatedSize("GIF89a").has_value());

    EXPECT_FALSE(StatesTooManyPixels(JpegStating(6000, 4000)));
    EXPECT_TRUE(StatesTooManyPixels(JpegStating(6001, 4000)));
    EXPECT_TRUE(StatesTooManyPixels(JpegStating(640, 0)));

    // A 15000 x 15000 picture in a set is refused before anything decodes it,
    // and the packing tool does not write one.
    const std::string huge = JpegStating(15000, 15000);
    const std::string store = "\x07" + huge.substr(1);
    EXPECT_EQ(ExtractFromSet("1\n" + std::to_string(huge.size()), store, 1).error, GalleryError::PictureTooLarge);
    EXPECT_EQ(PackPictures({huge}).error, GalleryError::PictureTooLarge);
    EXPECT_EQ(PackPictures({"\xFF\xD8\xFF" + std::string(kMaxPictureBytes, 'x')}).error, GalleryError::SizeTooLarge);
}

// The same file with an arithmetic-coding table (DAC) and a Huffman table (DHT)
// between the APP0 segment and the frame header.  Read as a frame header, the
// DAC would state 1281 x 272 and the DHT 1 x 1: both fit the limit.
std::string JpegStatingAfterTables(int width, int height) {
    std::string tables("\xFF\xCC\x00\x08\x00\x01\x10\x05\x01\x01", 10);
    tables += std::string("\xFF\xC4\x00\x15\x00", 5);                      // length 21, class 0, table 0
    tables += std::string("\x00\x01\x00\x01", 4) + std::string(12, '\0');  // two codes of 2 and 4 bits
    tables += std::string("\x03\x04", 2);
    std::string bytes = JpegStating(width, height);
    return bytes.insert(20, tables);
}

TEST(GalleryExtract, TheSizeIsReadFromTheFrameHeaderNotFromATableBeforeIt) {
    for (auto [width, height] : {std::pair{15000, 15000}, std::pair{640, 480}}) {
        const std::string picture = JpegStatingAfterTables(width, height);
        const auto stated = JpegStatedSize(picture);
        ASSERT_TRUE(stated.has_value()) << width;
        EXPECT_EQ(stated->width, width);
        EXPECT_EQ(stated->height, height);

        const GalleryError expected = width == 15000 ? GalleryError::PictureTooLarge : GalleryError::None;
        const std::string store = "\x07" + picture.substr(1);
        EXPECT_EQ(ExtractFromSet("1\n" + std::to_string(picture.size()), store, 1).error, expected) << width;
        EXPECT_EQ(PackPictures({picture}).error, expected) << width;
    }
}

TEST(GalleryExtract, TemporaryFileGoesToTheFirstWritableFolder) {
    TempFolder folder;
    const std::vector<fs::path> folders{folder.path() / "missing", folder.path()};
    const auto written = WriteTemporaryPicture(folders, "LunaPressvick", 3, "\xFF\xD8");
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.value.path().parent_path(), folder.path());
    EXPECT_TRUE(written.value.path().filename().string().starts_with("LunaPressvick3.tmp."));
    std::ifstream in(written.value.path(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "\xFF\xD8");

    EXPECT_EQ(WriteTemporaryPicture({folder.path() / "missing"}, "X", 1, "a").error, GalleryError::WriteFailed);
}

TEST(GalleryPack, PackedPicturesComeBackByteForByte) {
    const std::vector<std::string> pictures{"\xFF\xD8\xFF\xE0 first picture", "\xFF\xD8\xFF", "\xFF\xD8\xFF\xDB third"};
    const auto packed = PackPictures(pictures);
    ASSERT_TRUE(packed.ok());
    EXPECT_EQ(packed.value.sizeList, "3\r\n18\r\n3\r\n10\r\n");
    EXPECT_EQ(packed.value.store[0], static_cast<char>(kPlaceholderByte));  // no plain JPEG inside
    for (int k = 1; k <= 3; ++k) {
        const auto back = ExtractFromSet(packed.value.sizeList, packed.value.store, k);
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(back.value, pictures[static_cast<size_t>(k - 1)]);
    }

    EXPECT_EQ(PackPictures({pictures[0], "GIF89a"}).error, GalleryError::NotJpeg);
    EXPECT_EQ(PackPictures({"\xFF\xD8"}).error, GalleryError::NotJpeg);
    EXPECT_EQ(PackPictures({}).error, GalleryError::BadCount);
    EXPECT_EQ(PackPictures(std::vector<std::string>(255, pictures[1])).error, GalleryError::TooManyPictures);
}

TEST(GalleryPack, TheLargestSetASizeListCanCountIsAccepted) {
    std::vector<std::string> pictures;
    for (int k = 1; k <= kMaxPicturesInSet; ++k) pictures.push_back("\xFF\xD8\xFF picture " + std::to_string(k));
    const auto packed = PackPictures(pictures);
    ASSERT_TRUE(packed.ok()) << GalleryErrorText(packed.error);
    for (int k : {1, 127, kMaxPicturesInSet}) {
        const auto back = ExtractFromSet(packed.value.sizeList, packed.value.store, k);
        ASSERT_TRUE(back.ok()) << "picture " << k << ": " << GalleryErrorText(back.error);
        EXPECT_EQ(back.value, pictures[static_cast<size_t>(k - 1)]);
    }
}

TEST(GalleryPack, WrittenSetIsReadByTheExtractorAndAFailureKeepsTheOldSet) {
    TempFolder folder;
    const auto packed = PackPictures({"\xFF\xD8\xFF one", "\xFF\xD8\xFF two"});
    ASSERT_TRUE(packed.ok());
    ASSERT_EQ(WritePackedSet(folder.path() / "Set", packed.value), GalleryError::None);
    EXPECT_EQ(ExtractPicture(folder.path(), "Set", 2).value, "\xFF\xD8\xFF two");
    EXPECT_FALSE(fs::exists(folder.path() / "Set.dat.part"));

    EXPECT_EQ(WritePackedSet(folder.path() / "missing" / "Set", packed.value), GalleryError::WriteFailed);
    EXPECT_FALSE(fs::exists(folder.path() / "missing"));
}

TEST(GalleryFolders, FirstFolderHoldingBothFilesOfASetWins) {
    TempFolder root;
    const fs::path program = root.path() / "program", user = root.path() / "user", installed = root.path() / "share";
    for (const fs::path& p : {program, user, installed}) fs::create_directories(p);
    std::ofstream(program / "NinaCorveld.txt") << "1\n1\n";  // half a set beside the program
    std::ofstream(user / "NinaCorveld.txt") << "1\n1\n";
    std::ofstream(user / "NinaCorveld.dat") << "x";
    std::ofstream(installed / "NinaCorveld.txt") << "1\n1\n";
    std::ofstream(installed / "NinaCorveld.dat") << "x";
    // Folders are not files: a set of folders beside the program is passed over.
    fs::create_directories(program / "DoriaFelstrand.txt");
    fs::create_directories(program / "DoriaFelstrand.dat");
    std::ofstream(installed / "DoriaFelstrand.txt") << "1\n1\n";
    std::ofstream(installed / "DoriaFelstrand.dat") << "x";

    const std::vector<fs::path> folders{program, user, installed};
    EXPECT_EQ(FindSetFolder(folders, "NinaCorveld"), user);
    EXPECT_EQ(FindSetFolder(folders, "ninacorveld"), std::nullopt);
    EXPECT_EQ(FindSetFolder(folders, "TessaQuorin"), std::nullopt);
    EXPECT_EQ(FindSetFolder(folders, "DoriaFelstrand"), installed);
}

}  // namespace
}  // namespace duel
