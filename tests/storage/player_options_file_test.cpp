// The file of the player's own choices: saved whole, leftovers of killed saves removed, a file too large refused.
#include "storage/player_options_file.h"

#include "storage/held_file.h"
#include "storage/regular_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace duel {
namespace {

namespace fs = std::filesystem;

TEST(PlayerOptionsFile, ASaveLeavesOneWholeFileAndAFileTooLargeOrNoFolderGivesBothOff) {
    const fs::path folder = fs::temp_directory_path() / ("player-options-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    EXPECT_EQ(LoadPlayerOptions(folder), PlayerOptions{});  // no folder, no file yet
    for (const PlayerOptions& options : {PlayerOptions{true, false, ""}, PlayerOptions{false, true, ""}}) {
        ASSERT_TRUE(SavePlayerOptions(folder, options));
        EXPECT_EQ(LoadPlayerOptions(folder), options);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);  // no temporary left

    // A killed save's temporary file goes at the next start; one a running game holds stays.
    std::ofstream(folder / "options.ini.k1LLed") << "hint=true\n";
    const HeldFile held = HeldFile::Create(folder, kPlayerOptionsFileName);
    ASSERT_TRUE(held);
    EXPECT_EQ(RemoveLeftoverPlayerOptions(folder), 1);
    EXPECT_FALSE(fs::exists(folder / "options.ini.k1LLed"));
    EXPECT_TRUE(fs::exists(held.path()));
    EXPECT_EQ(LoadPlayerOptions(folder), (PlayerOptions{false, true, ""}));

    // Good lines in a file too large to be ours.
    std::ofstream(folder / "options.ini") << "hint=true\nstrong=true\n" << std::string(kMaxPlayerOptionsBytes, '#');
    EXPECT_EQ(LoadPlayerOptions(folder), PlayerOptions{});
    fs::remove_all(folder);

    // No config folder known: nothing is read, and nothing lands in the working folder.
    EXPECT_FALSE(SavePlayerOptions({}, {true, true, ""}));
    EXPECT_EQ(LoadPlayerOptions({}), PlayerOptions{});
    EXPECT_FALSE(fs::exists("options.ini"));
}

// A named pipe put at the options file's path would block the start for good
// before any window shows: it is not opened, both choices read as off, and a
// save puts a file in its place.
TEST(PlayerOptionsFile, ANamedPipeAtThePathIsNotOpened) {
    const fs::path folder = fs::temp_directory_path() / ("player-options-fifo-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_EQ(mkfifo((folder / "options.ini").c_str(), 0600), 0);
    const pid_t child = fork();
    if (child == 0) _exit(LoadPlayerOptions(folder) == PlayerOptions{} ? 0 : 1);
    int status = -1;
    for (int waited = 0; waited < 100 && waitpid(child, &status, WNOHANG) == 0; ++waited) usleep(50'000);
    if (kill(child, 0) == 0 && status == -1) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        FAIL() << "reading the options blocked on a named pipe";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadRegularFile(folder, 100).status, FileReadStatus::NotRegular);  // a folder too
    EXPECT_TRUE(SavePlayerOptions(folder, {true, false, ""}));
    EXPECT_EQ(LoadPlayerOptions(folder), (PlayerOptions{true, false, ""}));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace duel
