// Tests of the restored main window's place: its corner moved onto the screen.
#include "rules/window_placement.h"

#include <gtest/gtest.h>

namespace duel {
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

}  // namespace
}  // namespace duel
