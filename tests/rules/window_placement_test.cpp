// Tests of where the game's windows stand: the docked pair and every other window kept whole on the screen.
#include "rules/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace duel {

// Found by the assertions through the argument's namespace.
void PrintTo(const PixelRect& r, std::ostream* out) { *out << r.x << "," << r.y << " " << r.width << "x" << r.height; }
void PrintTo(const PixelPoint& p, std::ostream* out) { *out << p.x << "," << p.y; }
bool operator==(const PixelPoint& a, const PixelPoint& b) { return a.x == b.x && a.y == b.y; }

namespace {

TEST(WindowPosition, ClampedOntoTheScreen) {
    struct Case {
        PixelPoint wanted;
        PixelRect screen;
        PixelPoint placed;
    };
    const PixelSize total{290, 266};
    const Case cases[] = {
        {{100, 100}, {0, 0, 1024, 768}, {100, 100}},
        {{900, 700}, {0, 0, 1024, 768}, {734, 502}},
        {{-50, -20}, {0, 0, 1024, 768}, {0, 0}},
        {{10, 10}, {0, 0, 200, 100}, {0, 0}},                // screen smaller than the window
        {{5000, -5000}, {1920, 40, 1280, 984}, {2910, 40}},  // second screen, panel on top
        {{INT32_MIN, INT32_MAX}, {0, 0, 1024, 768}, {0, 502}},
    };
    for (const Case& c : cases) {
        const PixelPoint placed = ClampWindowPosition(c.wanted, total, c.screen);
        EXPECT_EQ(placed.x, c.placed.x) << c.wanted.x;
        EXPECT_EQ(placed.y, c.placed.y) << c.wanted.y;
    }
}

TEST(WindowPlacement, CentredOverTheOwnerAndWholeOnTheAvailableArea) {
    const PixelRect available{0, 24, 1280, 976};  // a panel on top and one at the bottom
    const PixelSize minimum{360, 300};
    struct Case {
        const char* what;
        PixelSize wanted;
        PixelRect owner;
        PixelRect expected;
    };
    const Case cases[] = {
        {"fits: centred over the owner", {600, 500}, {400, 300, 300, 200}, {250, 150, 600, 500}},
        {"owner at the bottom: moved up to stay whole", {600, 700}, {400, 800, 300, 200}, {250, 300, 600, 700}},
        {"owner at the right edge: moved left", {600, 500}, {1100, 300, 300, 200}, {680, 150, 600, 500}},
        {"owner half off the top-left: kept below the panel", {600, 500}, {-200, -100, 300, 200}, {0, 24, 600, 500}},
        // At scale 2 the window wants more than the screen: cut to the area, never below the minimum.
        {"too large: cut to the area", {1164, 1182}, {400, 300, 580, 400}, {108, 24, 1164, 976}},
        {"too wide and tall", {2000, 2000}, {0, 0, 100, 100}, {0, 24, 1280, 976}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceOverOwner(c.wanted, minimum, c.owner, available), c.expected) << c.what;
    // An area smaller than the minimum: the minimum, from the area's top-left corner.
    EXPECT_EQ(PlaceOverOwner({600, 500}, minimum, {0, 0, 10, 10}, {50, 60, 200, 100}), (PixelRect{50, 60, 360, 300}));
}

// The main window and the keypad at QT_SCALE_FACTOR=2 on a 1280 x 1024 screen, in logical pixels: the main
// window's frame 291 x 214, the keypad 177 x 81 docked under it at the centred offset.
constexpr DockedPair kCentredPair{{291, 214}, {57, 214, 177, 81}};
constexpr PixelRect kScreenAtScale2{0, 0, 640, 512};

TEST(DockedPair, MovesAsAWholeOnlyWhenItWouldLeaveTheArea) {
    struct Case {
        const char* what;
        PixelPoint wanted;
        DockedPair pair;
        PixelRect area;
        PixelPoint placed;
    };
    const DockedPair rightAligned{{291, 214}, {114, 214, 177, 81}};
    // A main window narrower than the keypad: the keypad hangs out on both sides.
    const DockedPair narrowMain{{120, 100}, {-28, 100, 177, 81}};
    const Case cases[] = {
        {"fits: stays where it was saved", {100, 100}, kCentredPair, kScreenAtScale2, {100, 100}},
        {"fits exactly at the bottom-right corner", {349, 217}, kCentredPair, kScreenAtScale2, {349, 217}},
        {"the keypad would leave the bottom: the pair moves up", {100, 300}, kCentredPair, kScreenAtScale2, {100, 217}},
        // The place a run at scale 1 saved (495, 370), read at scale 2: up and left.
        {"the main window would leave the right edge", {495, 370}, kCentredPair, kScreenAtScale2, {349, 217}},
        {"off the left and the top", {-50, -10}, kCentredPair, kScreenAtScale2, {0, 0}},
        {"the keypad decides the left edge", {10, 20}, narrowMain, kScreenAtScale2, {28, 20}},
        {"the keypad decides the right edge", {600, 20}, narrowMain, kScreenAtScale2, {491, 20}},
        {"right-aligned keypad at the bottom", {200, 400}, rightAligned, kScreenAtScale2, {200, 217}},
        {"a panel on top and a second screen on the right", {3000, 0}, kCentredPair, {1280, 30, 1280, 994}, {2269, 30}},
        {"a screen smaller than the pair: its top-left corner", {300, 300}, kCentredPair, {0, 0, 200, 150}, {0, 0}},
        {"far-off numbers do not overflow", {INT32_MAX, INT32_MIN}, kCentredPair, kScreenAtScale2, {349, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(KeepPairInside(c.wanted, c.pair, c.area), c.placed) << c.what;
}

TEST(DockedPair, CentredInTheAreaAsAWhole) {
    // 291 x 295 in 640 x 512: the box of both frames is centred, not the main window alone.
    EXPECT_EQ(CentrePairIn(kCentredPair, kScreenAtScale2), (PixelPoint{174, 108}));
    EXPECT_EQ(CentrePairIn(kCentredPair, {0, 40, 1280, 944}), (PixelPoint{494, 364}));
    EXPECT_EQ(CentrePairIn({{120, 100}, {-28, 100, 177, 81}}, {0, 0, 640, 512}), (PixelPoint{259, 165}));
    EXPECT_EQ(CentrePairIn(kCentredPair, {10, 20, 200, 150}), (PixelPoint{10, 20}));
}

TEST(WindowPlacement, KeptWholeInsideTheAreaNoFurtherThanNeeded) {
    const PixelRect area{0, 24, 1280, 1000};  // a panel on top
    struct Case {
        const char* what;
        PixelRect wanted;
        PixelSize minimum;
        PixelRect kept;
    };
    const Case cases[] = {
        {"fits: unchanged", {900, 600, 236, 222}, {236, 222}, {900, 600, 236, 222}},
        {"leaves the right edge: moved left", {1100, 600, 236, 222}, {236, 222}, {1044, 600, 236, 222}},
        {"leaves the bottom: moved up", {900, 900, 236, 222}, {236, 222}, {900, 802, 236, 222}},
        {"under the panel: moved down", {900, 0, 236, 222}, {236, 222}, {900, 24, 236, 222}},
        {"resizable and taller than the area: cut", {40, 300, 1122, 1400}, {200, 100}, {40, 24, 1122, 1000}},
        {"fixed and larger than the area: top-left kept", {40, 300, 1400, 1400}, {1400, 1400}, {0, 24, 1400, 1400}},
    };
    for (const Case& c : cases) EXPECT_EQ(KeepInside(c.wanted, c.minimum, area), c.kept) << c.what;
}

}  // namespace
}  // namespace duel
