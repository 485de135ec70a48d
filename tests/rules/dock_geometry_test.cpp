// The keypad's offset rule and docked corner, the arrow windows' places, hover zones and clicks.
#include "rules/dock_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace duel {
namespace {

constexpr int32_t kMainWidth = 4470;  // outer widths as the windows give them
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
    for (const Case c : {Case{1815, 908}, Case{15, 8}, Case{45, 22}, Case{5, 2}, Case{7, 4}, Case{1, 0}, Case{3, 2},
                         Case{-5, -2}, Case{-7, -4}, Case{-1, 0}, Case{0, 0}}) {
        EXPECT_EQ(KeypadOffset(kDockCentre, kKeypadWidth + c.spare, kKeypadWidth, 99), c.offset) << "spare " << c.spare;
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

TEST(ArrowBesideKeypadTest, ArrowsTouchTheKeypadsSidesAndAreCentredOnIt) {
    // Main window at (1500, 3000), 3600 high; keypad 2655 x 1215 at offset 908; arrows 600 x 600.
    const TwipPoint docked = KeypadTopLeft(1500, 3000, 3600, 908);
    EXPECT_EQ(ArrowBesideKeypad(ArrowSide::Left, docked, 2655, 1215, 600, 600),
              (TwipPoint{1500 + 908 - 600, 6600 + 307}));
    EXPECT_EQ(ArrowBesideKeypad(ArrowSide::Right, docked, 2655, 1215, 600, 600),
              (TwipPoint{1500 + 908 + 2655, 6600 + 307}));
    // Left of the screen and an arrow taller than the keypad.
    EXPECT_EQ(ArrowBesideKeypad(ArrowSide::Left, KeypadTopLeft(-300, 0, 100, 0), 2655, 400, 600, 600),
              (TwipPoint{-900, 0}));
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(ArrowBesideKeypad(ArrowSide::Right, KeypadTopLeft(kMax, kMax, kMax, kMax), kMax, kMax, 0, 0),
              (TwipPoint{kMax, kMax}));
    EXPECT_EQ(ArrowBesideKeypad(ArrowSide::Left, {std::numeric_limits<int32_t>::min(), 0}, 10, 10, kMax, 10),
              (TwipPoint{std::numeric_limits<int32_t>::min(), 0}));
}

TEST(HoverZoneTest, StripsBringUpTheArrowThatHasRoomToMove) {
    struct Case {
        int32_t x, y, dock;
        HoverZone zone;
    };
    const Case cases[] = {
        // left strip: x 0..20, y 405..810, placements 2 and 3
        {0, 405, kDockCentre, HoverZone::Left},
        {20, 810, kDockRight, HoverZone::Left},
        {10, 600, kDockLeft, HoverZone::None},
        {21, 600, kDockCentre, HoverZone::None},
        {-1, 600, kDockCentre, HoverZone::None},
        {10, 404, kDockCentre, HoverZone::None},
        {10, 811, kDockCentre, HoverZone::None},
        {10, 850, kDockCentre, HoverZone::None},
        // right strip: x 2627..2647, y 405..910, placements 1 and 2
        {2627, 405, kDockLeft, HoverZone::Right},
        {2647, 910, kDockCentre, HoverZone::Right},
        {2637, 850, kDockCentre, HoverZone::Right},
        {2637, 911, kDockCentre, HoverZone::None},
        {2626, 600, kDockCentre, HoverZone::None},
        {2648, 600, kDockCentre, HoverZone::None},
        {2637, 600, kDockRight, HoverZone::None},
        // a placement out of range brings up nothing anywhere
        {10, 600, 0, HoverZone::None},
        {2637, 600, 4, HoverZone::None},
        {2637, 600, -1, HoverZone::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HoverZoneAt(c.x, c.y, c.dock), c.zone) << c.x << ", " << c.y << " at " << c.dock;
    }
}

TEST(ArrowClickTest, OneStepTowardsTheArrowAndAwayAtTheEnd) {
    EXPECT_EQ(AfterArrowClick(ArrowSide::Left, kDockRight), (ArrowClick{kDockCentre, false}));
    EXPECT_EQ(AfterArrowClick(ArrowSide::Left, kDockCentre), (ArrowClick{kDockLeft, true}));
    EXPECT_EQ(AfterArrowClick(ArrowSide::Right, kDockLeft), (ArrowClick{kDockCentre, false}));
    EXPECT_EQ(AfterArrowClick(ArrowSide::Right, kDockCentre), (ArrowClick{kDockRight, true}));
    // No room to move: the placement never leaves 1..3.
    EXPECT_EQ(AfterArrowClick(ArrowSide::Left, kDockLeft), (ArrowClick{kDockLeft, true}));
    EXPECT_EQ(AfterArrowClick(ArrowSide::Right, kDockRight), (ArrowClick{kDockRight, true}));
    EXPECT_EQ(AfterArrowClick(ArrowSide::Left, 0), (ArrowClick{0, true}));
    EXPECT_EQ(AfterArrowClick(ArrowSide::Right, 7), (ArrowClick{7, true}));
}

}  // namespace
}  // namespace duel
