// The prize of a won game with no window: the picture's way to the viewer, the line of wins, and what stops it.
#include "session/gallery_prize.h"

#include "gallery/gallery_sets.h"
#include "gallery/pack_set.h"
#include "rules/game_state.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace duel::testing {
namespace {

constexpr int kLuna = 5;  // "&Луна Прессвик", four pictures

// The start of a JPEG file that states a w x h frame: enough for the set's
// checks; the viewer here is the fake screen, which decodes nothing.
std::string StatedJpeg(int width, int height) {
    std::string bytes("\xFF\xD8\xFF\xC0\x00\x0B\x08", 7);
    for (int value : {height, width}) {
        bytes += static_cast<char>(value >> 8);
        bytes += static_cast<char>(value & 0xFF);
    }
    bytes += std::string("\x01\x01\x11\x00\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\xFF\xD9", 16);
    return bytes;
}

class WonPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
        prize.SetScreen(screen);
        std::vector<std::string> pictures;
        for (int k = 1; k <= 4; ++k) pictures.push_back(StatedJpeg(10 + k, 12));
        auto packed = PackPictures(pictures);
        ASSERT_TRUE(packed.ok());
        ASSERT_EQ(WritePackedSet(std::filesystem::path(folder.path().toStdString()) / "LunaPressvick", packed.value),
                  GalleryError::None);
        state.galleryItem = kLuna;
        state.beautyPicture = 1;
    }
    // The temporary pictures beside the program.
    QStringList Leftovers() const { return QDir(folder.path()).entryList({QStringLiteral("*.tmp*")}, QDir::Files); }

    QTemporaryDir folder;
    GameState state;
    FakePlatform platform;
    FakeScreen screen;
    GalleryPrize prize{state, platform};
};

TEST_F(WonPictureTest, EachWinShowsTheNextPictureAndTheEndOfTheSetStartsItAgain) {
    for (int win = 1; win <= 5; ++win) prize.GiveWonPicture();
    ASSERT_EQ(screen.calls.size(), 5u);
    for (size_t i = 0; i < screen.calls.size(); ++i) {
        const std::string expected = "picture LunaPressvick" + std::to_string(i % 4 + 1) + ".tmp.";
        EXPECT_EQ(screen.calls[i].substr(0, expected.size()), expected) << screen.calls[i];
    }
    EXPECT_EQ(platform.boxTexts(), std::vector<QString>{"Вы достигли конца галереи. Советуем переключиться на "
                                                        "другую красотку !!!"});
    EXPECT_EQ(state.beautyPicture, 2);
    EXPECT_TRUE(Leftovers().isEmpty()) << "a shown picture stays beside the program";
}

TEST_F(WonPictureTest, APictureThatCannotBeShownLeavesTheLineWhereItWas) {
    screen.picturesShow = false;
    prize.GiveWonPicture();
    EXPECT_EQ(state.beautyPicture, 1);
    ASSERT_EQ(platform.boxTexts().size(), 1u);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith("Картинку набора «Луна Прессвик» показать не удалось: "));

    // The set's files gone: a message, no viewer, the line still waits at picture 1.
    screen.picturesShow = true;
    ASSERT_TRUE(QDir(folder.path()).remove(QStringLiteral("LunaPressvick.dat")));
    prize.GiveWonPicture();
    EXPECT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(state.beautyPicture, 1);
    EXPECT_EQ(platform.boxTexts().size(), 2u);

    // "&Нету" chosen: nothing at all.
    state.galleryItem = 1;
    prize.GiveWonPicture();
    EXPECT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(platform.boxTexts().size(), 2u);
    EXPECT_TRUE(Leftovers().isEmpty());
}

}  // namespace
}  // namespace duel::testing
