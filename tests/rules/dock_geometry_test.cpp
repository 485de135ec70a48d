// The keypad's offset rule and docked corner.
#include "keypad/dock_geometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace duel {
namespace {

constexpr int32_t kMainWidth = 4470;   // outer widths as the windows give them
constexpr int32_t kKeypadWidth = 2655;

TEST(KeypadOffsetTest, FollowsThePlacement) {
    EXPECT_EQ(KeypadOffset(kDockLeft, kMainWidth, kKeypadWidth, 123), 0);
    EXPECT_EQ(KeypadOffset(kDockRight, kMainWidth, kKeypadWidth, 123), kMainWidth - kKeypadWidth);
    // A keypad wider than the main window hangs out on the left.
    EXPECT_EQ(KeypadOffset(kDockRight, 2000, kKeypadWidth, 0), -655);
    EXPECT_EQ(KeypadOffset(kDockCentre, 5000, 3000, 0), 1000);
}

TEST(KeypadOffsetTest, CentredHalvesGoToTheEvenNeighbour) {
    struct Case {
        int32_t spare;
        int32_t offset;
    };
    for (const Case c : {Case{1815, 908}, Case{15, 8}, Case{45, 22}, Case{5, 2}, Case{7, 4}, Case{1, 0},
                         Case{3, 2}, Case{-5, -2}, Case{-7, -4}, Case{-1, 0}, Case{0, 0}}) {
        EXPECT_EQ(KeypadOffset(kDockCentre, kKeypadWidth + c.spare, kKeypadWidth, 99), c.offset)
            << "spare " << c.spare;
    }
}

TEST(KeypadOffsetTest, OtherPlacementsKeepTheOffset) {
    for (int32_t dock : {0, 4, -1, 100, std::numeric_limits<int32_t>::min()}) {
        EXPECT_EQ(KeypadOffset(dock, kMainWidth, kKeypadWidth, 0), 0) << dock;
        EXPECT_EQ(KeypadOffset(dock, kMainWidth, kKeypadWidth, -345), -345) << dock;
    }
}

TEST(KeypadOffsetTest, ExtremeWidthsDoNotOverflow) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(KeypadOffset(kDockRight, kMax, kMin, 0), kMax);
    EXPECT_EQ(KeypadOffset(kDockRight, kMin, kMax, 0), kMin);
    EXPECT_EQ(KeypadOffset(kDockCentre, kMax, kMin, 0), kMax);  // 2^32 - 1 halves to 2^31
    EXPECT_EQ(KeypadOffset(kDockCentre, kMin, kMax, 0), kMin);
}

TEST(KeypadTopLeftTest, StandsOnTheMainWindowsBottomEdge) {
    EXPECT_EQ(KeypadTopLeft(1500, 3000, 3600, 908), (TwipPoint{2408, 6600}));
    EXPECT_EQ(KeypadTopLeft(-300, -150, 3600, 0), (TwipPoint{-300, 3450}));
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(KeypadTopLeft(kMax, kMax, kMax, kMax), (TwipPoint{kMax, kMax}));
}

}  // namespace
}  // namespace duel
