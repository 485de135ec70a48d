// The line of wins: choosing and switching sets, wins along a set, the saved choice.
#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"

#include <gtest/gtest.h>

namespace duel {
namespace {

constexpr int kNone = 1, kTessa = 2, kDoria = 4, kLuna = 5;

// The prize window or the "none" item, answered Yes or No, as the windows will run it.
void Choose(GameState& s, int item, bool answeredYes = true) {
    const ChoiceFollowUp next = ChooseGalleryItem(s, item);
    if (next == ChoiceFollowUp::Nothing) return;
    FinishLineSwitch(s, next == ChoiceFollowUp::PrizeWindow ? 1 : 0, answeredYes);
}

// One won game; returns the picture shown (0 for none) and whether the end message came.
std::pair<int, bool> Win(GameState& s) {
    const auto shown = PictureToShow(s);
    if (!shown) return {0, false};
    const bool end = AdvanceLine(s);
    return {shown->picture, end};
}

TEST(GalleryLine, ASetShowsItsPicturesInTurnAndStartsAgainAfterTheLast) {
    GameState s;
    Choose(s, kLuna);
    ASSERT_EQ(s.galleryItem, kLuna);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Win(s), std::make_pair(k, k == 4)) << k;
        EXPECT_EQ(s.beautySet, "LunaPressvick");
    }
    EXPECT_EQ(Win(s), std::make_pair(1, false));
}

TEST(GalleryLine, NoSetOrNothingCheckedShowsNothingAndChangesNothing) {
    GameState s;
    s.beautySet = "TessaQuorin";
    for (int checked : {0, kNone}) {
        s.galleryItem = checked;
        s.beautyPicture = 0;
        EXPECT_EQ(Win(s), std::make_pair(0, false));
        EXPECT_EQ(s.beautyPicture, 0);
        EXPECT_EQ(s.beautySet, "TessaQuorin");
    }
}

TEST(GalleryLine, SwitchingAsksOnlyWhenAPictureOfTheOldLineWasWon) {
    GameState s;
    Choose(s, kNone);
    Choose(s, kTessa);  // from "none": no question
    EXPECT_FALSE(LineSwitchAsks(s));
    EXPECT_EQ(s.beautyPicture, 1);
    Choose(s, kDoria);  // from picture 1: no question
    EXPECT_EQ(s.galleryItem, kDoria);
    EXPECT_EQ(s.beautyPicture, 1);
    EXPECT_EQ(s.beautyPrevLine, kTessa);

    Win(s);
    Win(s);
    EXPECT_EQ(ChooseGalleryItem(s, kNone), ChoiceFollowUp::LineSwitch);
    ASSERT_TRUE(LineSwitchAsks(s));
    EXPECT_EQ(LineSwitchQuestion(s),
              "Вы дошли до 3 каринки на другой линии.\r\n"
              "Вы дейcтвительно хотите оборвать ту линию побед и перейти на другую ?");
    EXPECT_NE(LineSwitchQuestion(s).find("дей"
                                         "c"
                                         "твительно"),
              std::string::npos);   // Latin c
    FinishLineSwitch(s, 0, false);  // No: back to the old set, same place
    EXPECT_EQ(s.galleryItem, kDoria);
    EXPECT_EQ(Win(s).first, 3);

    Choose(s, kLuna, true);  // Yes: the new line starts at 1
    EXPECT_EQ(s.galleryItem, kLuna);
    EXPECT_EQ(Win(s).first, 1);
}

TEST(GalleryLine, ClickingTheCheckedItemDoesNothing) {
    GameState s;
    s.galleryItem = kTessa;
    s.beautyPicture = 5;
    s.beautyPrevLine = kDoria;
    EXPECT_EQ(ChooseGalleryItem(s, kTessa), ChoiceFollowUp::Nothing);
    EXPECT_EQ(ChooseGalleryItem(s, 7), ChoiceFollowUp::Nothing);
    EXPECT_EQ(s.galleryItem, kTessa);
    EXPECT_EQ(s.beautyPrevLine, kDoria);
    EXPECT_EQ(s.beautyPicture, 5);
}

TEST(GalleryLine, ChoiceSurvivesARestartWithTheLineAtPictureOne) {
    GameState s;
    s.galleryChoice = "Ж1";
    s.galleryItem = kDoria;
    SaveGalleryChoice(s);
    EXPECT_EQ(s.galleryChoice, "Ж4");

    GameState next;
    next.galleryChoice = s.galleryChoice + "tail";
    RestoreGalleryChoice(next);
    EXPECT_EQ(next.galleryItem, kDoria);
    EXPECT_EQ(next.beautyPicture, 1);
    EXPECT_EQ(next.beautyPrevLine, kDoria);

    next.galleryChoice = "01";
    RestoreGalleryChoice(next);
    EXPECT_EQ(next.galleryItem, kNone);
    EXPECT_EQ(next.beautyPicture, 0);

    GameState fresh;
    fresh.galleryChoice = "07";
    RestoreGalleryChoice(fresh);
    EXPECT_EQ(fresh.galleryItem, 0);
    EXPECT_EQ(fresh.beautyPrevLine, 0);
    SaveGalleryChoice(fresh);
    EXPECT_EQ(fresh.galleryChoice, "07");
}

TEST(GalleryLine, DownloadOfferIsMadeOncePerRun) {
    GameState s;
    EXPECT_FALSE(TakeDownloadOffer(s, false));
    EXPECT_TRUE(TakeDownloadOffer(s, true));
    EXPECT_FALSE(TakeDownloadOffer(s, true));
}

TEST(GallerySets, TitlesAndTemporaryNamesFollowTheTable) {
    EXPECT_EQ(ViewerTitle("LunaPressvick", 2), "Луна Прессвик  2/4");
    EXPECT_EQ(ViewerTitle("TessaQuorin", 8), "Тесса Куорин  8/8");
    EXPECT_EQ(ViewerTitle("Unknown", 1), std::nullopt);
    EXPECT_EQ(TemporaryPictureName("LunaPressvick", 3), "LunaPressvick3.tmp");
    // What start-up may take for a leftover picture: a game's own name or an
    // older version's fixed one, of a known set; nothing of anyone else's.
    for (const char* name : {"LunaPressvick3.tmp", "LunaPressvick3.tmp.Ab12Cd", "TessaQuorin12.tmp.zzzzzz"})
        EXPECT_TRUE(IsTemporaryPictureName(name)) << name;
    for (const char* name :
         {"LunaPressvick.tmp", "LunaPressvick03.tmp", "LunaPressvick3.tmp.Ab12C", "LunaPressvick3.tmp.Ab12Cde",
          "LunaPressvick3.tmpx", "Other3.tmp", "notes.tmp", "LunaPressvick3.jpg"})
        EXPECT_FALSE(IsTemporaryPictureName(name)) << name;
    int total = 0;
    for (const GalleryItem& item : GalleryItems()) total += item.pictureCount;
    EXPECT_EQ(total, 27);
    EXPECT_EQ(GallerySetAt(kNone), nullptr);
    EXPECT_EQ(GallerySetAt(6)->countCaption, "5 ФОТО");
}

}  // namespace
}  // namespace duel
