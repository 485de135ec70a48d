// Tests of the file of the player's own choices: what its text gives, and a damaged, missing or unwritable file.
#include "rules/player_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace duel {
namespace {

namespace fs = std::filesystem;

class PlayerOptionsFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("player-options-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void Write(const std::string& bytes) {
        fs::create_directories(folder);
        std::ofstream(folder / "options.ini", std::ios::binary) << bytes;
    }

    fs::path folder;
};

TEST(PlayerOptions, TakesOnlyTheTwoKeysWithAValueItKnows) {
    struct Case {
        const char* text;
        PlayerOptions read;
    };
    const Case cases[] = {
        {"[options]\nhint=true\nstrong=false\n", {true, false}},
        {"[options]\r\n  strong = 1 \r\nhint=0\r\n", {false, true}},          // spaces and CR line ends
        {"hint=true\nhint=false\nstrong=false\nstrong=true", {false, true}},  // the last line counts
        {"hint=yes\nstrong=2\n", {}},                                         // values it does not know
        {"xhint=true\nHint=true\nstrong\ntrue\n=true\n", {}},                 // keys it does not know
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePlayerOptions(c.text), c.read) << c.text;
}

TEST_F(PlayerOptionsFile, KeepsEveryChoiceAndWritesOverTheOldOne) {
    EXPECT_EQ(LoadPlayerOptions(folder), PlayerOptions{});  // no folder, no file yet
    for (const PlayerOptions options : {PlayerOptions{true, false}, PlayerOptions{false, true},
                                        PlayerOptions{true, true}, PlayerOptions{false, false}}) {
        ASSERT_TRUE(SavePlayerOptions(folder, options));
        EXPECT_EQ(LoadPlayerOptions(folder), options);
    }
    // Nothing but the file is left behind.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename(), "options.ini");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(PlayerOptionsFile, ADamagedFileOrOneThatCannotBeWrittenGivesBothOff) {
    // Garbage bytes, a NUL among them.
    Write(std::string("\xff\xfe\x00hint=\x01\nstrong=tru\x80\n", 22));
    EXPECT_EQ(LoadPlayerOptions(folder), PlayerOptions{});

    // Good lines in a file too large to be ours.
    Write("hint=true\nstrong=true\n" + std::string(kMaxPlayerOptionsBytes, '#'));
    EXPECT_EQ(LoadPlayerOptions(folder), PlayerOptions{});
    Write("hint=true\nstrong=true\n");
    EXPECT_EQ(LoadPlayerOptions(folder), (PlayerOptions{true, true}));

    // A file where the folder should be, and no folder at all.
    const fs::path blocked = folder / "blocked";
    std::ofstream(blocked) << "x";
    EXPECT_FALSE(SavePlayerOptions(blocked, {true, true}));
    EXPECT_FALSE(SavePlayerOptions(blocked / "deeper", {true, true}));
    EXPECT_EQ(LoadPlayerOptions(blocked), PlayerOptions{});
    EXPECT_FALSE(SavePlayerOptions({}, {true, true}));
    EXPECT_EQ(LoadPlayerOptions({}), PlayerOptions{});
    EXPECT_FALSE(fs::exists("options.ini"));  // an empty folder is not the working folder
}

}  // namespace
}  // namespace duel
