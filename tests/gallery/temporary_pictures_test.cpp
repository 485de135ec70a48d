// Temporary files held by a running game: another game's start and close leave them alone, a killed game's go.
#include "gallery/picture_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace duel {
namespace {

namespace fs = std::filesystem;

class HeldFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("duel-held-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                   std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        if (child_ > 0) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Another game, in a process of its own, writes picture 1 of LunaPressvick
    // into the folder and shows it until it is killed; returns the file's path.
    fs::path OtherGameShowsAPicture() { return OtherGameShowsAPictureIn(folder_); }
    fs::path OtherGameShowsAPictureIn(const fs::path& where) {
        int pipeEnds[2];
        EXPECT_EQ(::pipe(pipeEnds), 0);
        child_ = ::fork();
        if (child_ == 0) {
            ::close(pipeEnds[0]);
            auto held = WriteTemporaryPicture({where}, "LunaPressvick", 1, "the other game's picture");
            const std::string path = held ? held.value.path().string() : std::string();
            if (::write(pipeEnds[1], path.data(), path.size()) < 0) ::_exit(1);
            ::close(pipeEnds[1]);
            for (;;) ::pause();
        }
        ::close(pipeEnds[1]);
        std::string path;
        char buffer[512];
        for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            path.append(buffer, static_cast<size_t>(n));
        ::close(pipeEnds[0]);
        return path;
    }

    void KillOtherGame() {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
        child_ = -1;
    }

    static std::string ReadAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
    pid_t child_ = -1;
};

// Two games in one folder win the same picture: each has a file of its own,
// the second game's start does not take the first game's for a leftover, and
// closing the second game's viewer does not delete the first game's file.
// Once the first game is killed its picture is a leftover like any other.
TEST_F(HeldFiles, TwoGamesInOneFolderKeepTheirOwnPicturesUntilOneIsKilled) {
    const fs::path others = OtherGameShowsAPicture();
    ASSERT_FALSE(others.empty());
    ASSERT_EQ(others.parent_path(), folder_);

    EXPECT_EQ(RemoveLeftoverPictures(folder_), 0);  // this game starts
    auto mine = WriteTemporaryPicture({folder_}, "LunaPressvick", 1, "this game's picture");
    ASSERT_TRUE(mine.ok());
    EXPECT_NE(mine.value.path(), others);
    EXPECT_EQ(ReadAll(mine.value.path()), "this game's picture");
    mine.value.Remove();  // this game's viewer closes
    EXPECT_EQ(ReadAll(others), "the other game's picture");
    EXPECT_EQ(Names(), std::vector<std::string>{others.filename().string()});

    KillOtherGame();
    EXPECT_EQ(RemoveLeftoverPictures(folder_), 1);  // the next start
    EXPECT_TRUE(Names().empty());
}

// A game that cannot write beside itself puts its picture into a private
// folder under the temporary folder; a killed run leaves that folder behind.
// The next start removes it, but never one whose picture a running game still
// shows, one made so recently that its game may be about to write into it,
// or anything that only looks like one.
TEST_F(HeldFiles, PrivateFoldersOfKilledRunsGoAndOthersStay) {
    const auto makeFolder = [&](const std::string& name) {
        fs::create_directory(folder_ / name);
        return folder_ / name;
    };
    const auto age = [](const fs::path& path) {
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    };
    const fs::path killed = makeFolder("shelvy-zlyki-Ab3dE9");
    std::ofstream(killed / "TessaQuorin2.tmp.Xy4zW8") << "left behind, held by no one";
    age(killed);
    const fs::path showing = makeFolder("shelvy-zlyki-Qw7rT1");
    const fs::path shown = OtherGameShowsAPictureIn(showing);
    ASSERT_EQ(shown.parent_path(), showing);
    age(showing);
    const fs::path justMade = makeFolder("shelvy-zlyki-Zx5cV2");
    const fs::path otherName = makeFolder("shelvy-zlyki-notours");
    age(otherName);
    const fs::path target = makeFolder("kept");
    std::ofstream(target / "LunaPressvick1.tmp.aaaaaa") << "not a leftover of ours";
    age(target);
    fs::create_directory_symlink(target, folder_ / "shelvy-zlyki-Lk9mN0");

    EXPECT_EQ(RemoveLeftoverPrivateFolders(folder_), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"kept", "shelvy-zlyki-Lk9mN0", "shelvy-zlyki-Qw7rT1",
                                                 "shelvy-zlyki-Zx5cV2", "shelvy-zlyki-notours"}));
    EXPECT_EQ(ReadAll(shown), "the other game's picture");
    EXPECT_TRUE(fs::exists(target / "LunaPressvick1.tmp.aaaaaa"));

    KillOtherGame();
    age(showing);
    EXPECT_EQ(RemoveLeftoverPrivateFolders(folder_), 1);
    EXPECT_FALSE(fs::exists(showing));
}

}  // namespace
}  // namespace duel
