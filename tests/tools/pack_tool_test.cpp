// shelvy-pack: two pictures packed and extracted back unchanged; non-JPEG and oversized input refused.
#include "gallery/picture_store.h"
#include "tools/pack/pack_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace duel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class PackTool : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("gallery_pack_tool_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string put(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    }
    int run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return RunPack(args, out, err);
    }

    fs::path folder;
    std::ostringstream out, err;
};

TEST_F(PackTool, PacksPicturesThatExtractBackByteForByte) {
    const std::string first = "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 first \xFF\xD9"s;
    const std::string second = "\xFF\xD8\xFF\xDB\x00\x43\x00 second \xFF\xD9"s;
    const std::string stem = (folder / "Set").string();
    ASSERT_EQ(run({stem, put("один.jpg", first), put("два.jpg", second)}), kPackOk) << err.str();
    EXPECT_NE(out.str().find("2 картинки"), std::string::npos) << out.str();
    EXPECT_EQ(ExtractPicture(folder, "Set", 1).value, first);
    EXPECT_EQ(ExtractPicture(folder, "Set", 2).value, second);
}

TEST_F(PackTool, RefusesANonJpegOrMissingInputAndWritesNothing) {
    const std::string stem = (folder / "Set").string();
    const std::string jpeg = put("a.jpg", "\xFF\xD8\xFF\xE0 picture");
    EXPECT_EQ(run({stem, jpeg, put("b.png", "\x89PNG\r\n\x1A\n")}), kPackRefused);
    EXPECT_NE(err.str().find("не является картинкой JPEG"), std::string::npos) << err.str();
    // A frame header stating 15000 x 15000 pixels: more than the game decodes.
    const std::string huge = "\xFF\xD8\xFF\xC0\x00\x0B\x08\x3A\x98\x3A\x98\x01\x01\x11\x00"s;
    EXPECT_EQ(run({stem, jpeg, put("huge.jpg", huge)}), kPackRefused);
    EXPECT_NE(err.str().find("«" + (folder / "huge.jpg").string() + "» слишком велика"), std::string::npos)
        << err.str();
    EXPECT_EQ(run({stem, jpeg, (folder / "missing.jpg").string()}), kPackRefused);
    EXPECT_NE(err.str().find("не удалось прочитать"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(folder / "Set.dat"));
    EXPECT_FALSE(fs::exists(folder / "Set.txt"));

    EXPECT_EQ(run({}), kPackUsage);
    EXPECT_EQ(run({stem}), kPackUsage);
    EXPECT_NE(err.str().find("Использование"), std::string::npos);
}

}  // namespace
}  // namespace duel
