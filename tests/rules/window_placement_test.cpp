// Tests of where the game's windows stand: a restored main window kept on the screen, a window opened over its owner.
#include "rules/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace duel {

// Found by the assertions through the argument's namespace.
void PrintTo(const PixelRect& r, std::ostream* out) { *out << r.x << "," << r.y << " " << r.width << "x" << r.height; }

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

}  // namespace
}  // namespace duel
