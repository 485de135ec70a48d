// The picture viewer's layout and scrolling, and the name a saved picture gets.
#include "gallery/save_name.h"
#include "gallery/viewer_geometry.h"

#include <gtest/gtest.h>

namespace duel {
namespace {

TEST(GalleryViewer, APictureThatFitsNeedsNoScrolling) {
    const ViewerGeometry g = ComputeViewerGeometry(9000, 3000, 19200, 11520);
    EXPECT_TRUE(g.fits);
    EXPECT_EQ(g.vScrollMax, 0);
    EXPECT_FALSE(g.hScrolls);
    EXPECT_EQ(g.windowWidth, 9315);
    EXPECT_EQ(g.windowHeight, 3675);
    EXPECT_EQ(g.frameHeight, 3090);
    EXPECT_EQ(g.vScrollLeft, 9225);
    EXPECT_EQ(g.windowTop, (11520 - 3675) / 2);
    EXPECT_EQ(g.windowLeft, (19200 - 9315) / 2);
}

TEST(GalleryViewer, ATallPictureScrollsToItsBottom) {
    const ViewerGeometry g = ComputeViewerGeometry(9000, 12000, 19200, 11520);
    EXPECT_FALSE(g.fits);
    EXPECT_EQ(g.windowHeight, 10520);
    EXPECT_EQ(g.windowWidth, 9675);
    EXPECT_EQ(g.frameHeight, 9935);
    EXPECT_EQ(g.vScrollHeight, 9845);
    EXPECT_EQ(g.vScrollMax, 2155);
    EXPECT_EQ(g.vLargeChange, 206);  // 206.5, halves to even
    EXPECT_EQ(g.vSmallChange, 69);
    EXPECT_EQ(g.windowTop, 500);
    EXPECT_EQ(PictureTopForScroll(0), 90);
    EXPECT_EQ(PictureTopForScroll(g.vScrollMax) + 12000, g.frameHeight);

    // Far beyond a 16-bit scroll range (a 900 x 40000 pixel picture).
    const ViewerGeometry huge = ComputeViewerGeometry(13500, 600000, 19200, 15360);
    EXPECT_EQ(huge.vScrollMax, 586315);
    EXPECT_EQ(PictureTopForScroll(huge.vScrollMax) + 600000, huge.frameHeight);
}

TEST(GalleryViewer, JustTooTallStillGetsWorkingScrollSteps) {
    EXPECT_TRUE(ComputeViewerGeometry(9000, 11520 - 1676, 19200, 11520).fits);
    const ViewerGeometry g = ComputeViewerGeometry(9000, 11520 - 1675, 19200, 11520);
    EXPECT_FALSE(g.fits);
    EXPECT_EQ(g.vScrollMax, 0);
    EXPECT_EQ(g.vLargeChange, 1);
    EXPECT_EQ(g.vSmallChange, 1);
}

TEST(GalleryViewer, AWidePictureGetsAWindowAsWideAsTheScreen) {
    // 1800 x 700 pixels on a 1280 x 1024 screen.
    const ViewerGeometry g = ComputeViewerGeometry(27000, 10500, 19200, 15360);
    EXPECT_TRUE(g.fits);
    ASSERT_TRUE(g.hScrolls);
    EXPECT_EQ(g.windowWidth, 19200);
    EXPECT_EQ(g.windowLeft, 0);
    EXPECT_EQ(g.frameWidth, 18885);
    EXPECT_EQ(g.frameHeight, 10590);
    EXPECT_EQ(g.hScrollTop, g.frameHeight);
    EXPECT_EQ(g.windowHeight, 10500 + 675 + kViewerHScrollHeight);
    EXPECT_EQ(PictureLeftForScroll(g.hScrollMax) + 27000, g.frameWidth);
    EXPECT_EQ(g.hLargeChange, 812);  // 811.5, halves to even

    const ViewerGeometry both = ComputeViewerGeometry(27000, 30000, 19200, 15360);
    EXPECT_TRUE(both.hScrolls);
    EXPECT_EQ(both.frameWidth, 19200 - 675);
    EXPECT_EQ(both.vScrollMax, 30000 - (15360 - 1585) + 90);
}

TEST(GalleryViewer, RoundingHalvesGoToEven) {
    const struct {
        int64_t num, den, rounded;
    } cases[] = {{2065, 10, 206}, {2075, 10, 208}, {2065, 30, 69}, {-15, 10, -2}, {-25, 10, -2}, {5, 2, 2}, {7, 2, 4}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfToEven(c.num, c.den), c.rounded) << c.num << "/" << c.den;
}

TEST(GallerySaveName, TheFirstDotOfTheFileNameEndsTheBase) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"/pics/my.photo.png", "/pics/my.jpg"},
        {"/pics/summer", "/pics/summer.jpg"},
        {"/pics.old/summer", "/pics.old/summer.jpg"},
        {"/pics/.hidden", "/pics/.hidden.jpg"},
        {"/pics/.hidden.png", "/pics/.hidden.jpg"},
        {"/pics/photo.", "/pics/photo.jpg"},
        {"my.jpg", "my.jpg"},
        {"C:\\Pics\\my.photo.png", "C:\\Pics\\my.jpg"},  // "/" is the only separator
    };
    for (const auto& c : cases) EXPECT_EQ(SavedPictureName(c.chosen), c.saved) << c.chosen;
    EXPECT_EQ(SavedPictureName(""), std::nullopt);
    EXPECT_EQ(SavedPictureName("/pics/"), std::nullopt);
}

}  // namespace
}  // namespace duel
