// Tests of the settings file on disk: the preferred copy read, safe and concurrent saves, leftovers removed.
#include "storage/settings_file.h"

#include "rules/records_table.h"
#include "tests/support/stored_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace duel {
namespace {

namespace fs = std::filesystem;
using testing::ResetState;
using testing::StoredValues;

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = fs::temp_directory_path() /
                ("duel-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(stamp));
        fs::create_directories(root_);
        program_ = root_ / "program";
        config_ = root_ / "config";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // A path that cannot become a folder, even for root: its parent is a file.
    fs::path Unwritable() {
        std::ofstream(root_ / "blocker") << "x";
        return root_ / "blocker" / "folder";
    }

    std::vector<fs::path> FilesUnderRoot() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            if (entry.is_regular_file()) {
                files.push_back(fs::relative(entry.path(), root_));
            }
        }
        return files;
    }

    static std::string ReadAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteSettings(const fs::path& folder, const std::string& name, fs::file_time_type time) {
        GameState state = ResetState();
        state.records[0].name = name;
        fs::create_directories(folder);
        ASSERT_TRUE(SaveSettings({folder}, state, 0, 0));
        fs::last_write_time(SettingsFilePath(folder), time);
    }

    fs::path root_, program_, config_;
};

TEST_F(SettingsFiles, SaveWritesTheComplementedTextIntoTheFirstFolder) {
    fs::create_directories(program_);
    GameState state = ResetState();
    state.records[0].name = "Ёжик";
    const auto written = SaveSettings({program_, config_}, state, 300, 450);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, SettingsFilePath(program_));
    EXPECT_EQ(ReadAll(*written), EnCode(FormatSettingsText(state, 300, 450)));
    const fs::path onlyFile = fs::path("program") / written->filename();
    EXPECT_EQ(FilesUnderRoot(), std::vector<fs::path>{onlyFile});

    GameState loaded;
    const SettingsLoad load = LoadSettings({program_, config_}, loaded);
    EXPECT_EQ(load.source, written);
    EXPECT_EQ(StoredValues(loaded), StoredValues(state));
    EXPECT_EQ(load.values.mainLeftTwips, 300);
}

TEST_F(SettingsFiles, SaveFallsBackWhenTheFirstFolderFails) {
    // Either the folder cannot be made, or the final rename fails after the
    // temporary file was written (the target is a folder).
    fs::create_directories(program_ / SettingsFilePath("").filename() / "inside");
    for (const fs::path& first : {Unwritable(), program_}) {
        const auto written = SaveSettings({first, config_}, ResetState(), 0, 0);
        ASSERT_TRUE(written) << first;
        EXPECT_EQ(*written, SettingsFilePath(config_));
        // No temporary file of the failed attempt is left, under its real name.
        for (const fs::path& file : FilesUnderRoot()) {
            EXPECT_FALSE(file.filename().string().starts_with(kSettingsTemporaryStem)) << file;
        }
        fs::remove_all(config_);
    }
}

TEST_F(SettingsFiles, SaveWithNoWritableFolderGivesNothing) {
    const fs::path blocked = Unwritable();
    EXPECT_FALSE(SaveSettings({blocked, blocked / "config"}, ResetState(), 0, 0));
    EXPECT_FALSE(SaveSettings({}, ResetState(), 0, 0));
    EXPECT_EQ(FilesUnderRoot(), std::vector<fs::path>{"blocker"});
}

// A file that is one megabyte of zero bytes, or a link to a large file, used
// to make the first line as long as the reader's limit, so that every later
// save fell beyond it and was lost at the next start.
TEST_F(SettingsFiles, AMegabyteOfZerosIsReplacedByAWholeFileThatKeepsLaterSaves) {
    fs::create_directories(program_);
    std::ofstream(SettingsFilePath(program_), std::ios::binary) << std::string(kMaxSettingsFileBytes, '\0');

    GameState loaded;
    LoadSettings({program_}, loaded);
    loaded.records[0].name = "Петя";
    loaded.records[0].tries = 3;
    ASSERT_TRUE(SaveSettings({program_}, loaded, 150, 300));
    EXPECT_LT(fs::file_size(SettingsFilePath(program_)), 1024u);

    GameState next;
    const SettingsLoad load = LoadSettings({program_}, next);
    EXPECT_EQ(load.values.validLines, kSettingsLineCount);
    EXPECT_EQ(StoredValues(next), StoredValues(loaded));
    EXPECT_EQ(load.values.mainTopTwips, 300);
}

// Two games that close at the same moment: each save goes whole to the usual
// place, and what stays is one of them, never a mixture nor a diversion.
TEST_F(SettingsFiles, ConcurrentSavesLeaveOneWholeFileInTheFirstFolder) {
    fs::create_directories(program_);
    GameState first = ResetState();
    first.records[0].name = "Первый";
    first.records[0].time = std::string(30, '1');
    GameState second = ResetState();
    second.records[0].name = "Второй";
    second.records[0].time = "2";
    const auto saveMany = [&](const GameState& state, int& diverted) {
        for (int i = 0; i < 200; ++i) {
            const auto written = SaveSettings({program_, config_}, state, 0, 0);
            diverted += !written || *written != SettingsFilePath(program_);
        }
    };
    int divertedFirst = 0;
    int divertedSecond = 0;
    std::thread a(saveMany, std::cref(first), std::ref(divertedFirst));
    std::thread b(saveMany, std::cref(second), std::ref(divertedSecond));
    a.join();
    b.join();

    EXPECT_EQ(divertedFirst + divertedSecond, 0);
    EXPECT_FALSE(fs::exists(config_));
    const std::string bytes = ReadAll(SettingsFilePath(program_));
    EXPECT_TRUE(bytes == EnCode(FormatSettingsText(first, 0, 0)) || bytes == EnCode(FormatSettingsText(second, 0, 0)));
    EXPECT_EQ(FilesUnderRoot().size(), 1u);
}

TEST_F(SettingsFiles, StartUpRemovesLeftoverTemporaryFilesButNotASaveInProgress) {
    fs::create_directories(program_);
    fs::create_directories(config_);
    const std::string stem(kSettingsTemporaryStem);
    std::ofstream(program_ / stem) << "old fixed name";
    std::ofstream(program_ / (stem + ".a1B2c3")) << "killed mid-save";
    std::ofstream(config_ / (stem + ".Zz9yX8")) << "killed mid-save";
    std::ofstream(program_ / (stem + ".notours")) << "someone else's";
    std::ofstream(program_ / "other.tmp") << "someone else's";
    const fs::path held = program_ / (stem + ".held01");
    std::ofstream(held) << "another game saving now";
    const int fd = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    EXPECT_EQ(RemoveStaleTemporaryFiles(program_) + RemoveStaleTemporaryFiles(config_), 3);
    ::close(fd);

    std::vector<fs::path> left = FilesUnderRoot();
    std::sort(left.begin(), left.end());
    std::vector<fs::path> expected = {fs::path("program") / (stem + ".held01"),
                                      fs::path("program") / (stem + ".notours"), fs::path("program") / "other.tmp"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST_F(SettingsFiles, LoadPrefersTheNewerFileAndTheFirstOnATie) {
    struct Case {
        int programAgeHours;
        int configAgeHours;
        const char* expectedName;
    };
    const Case cases[] = {{2, 1, "Конфиг"}, {1, 2, "Программа"}, {1, 1, "Программа"}};
    const auto now = fs::file_time_type::clock::now();
    for (const Case& c : cases) {
        WriteSettings(program_, "Программа", now - std::chrono::hours(c.programAgeHours));
        WriteSettings(config_, "Конфиг", now - std::chrono::hours(c.configAgeHours));
        GameState loaded;
        LoadSettings({program_, config_}, loaded);
        EXPECT_EQ(loaded.records[0].name, c.expectedName) << c.programAgeHours << c.configAgeHours;
    }
}

TEST_F(SettingsFiles, LoadWithoutAnyFileGivesDefaults) {
    GameState loaded;
    loaded.records[0].tries = 99;
    const SettingsLoad load = LoadSettings({program_, config_}, loaded);
    EXPECT_FALSE(load.source);
    EXPECT_FALSE(load.values.mainLeftTwips);
    EXPECT_EQ(StoredValues(loaded), StoredValues(ResetState()));
    EXPECT_FALSE(fs::exists(program_) || fs::exists(config_));  // reading makes no folder
}

}  // namespace
}  // namespace duel
