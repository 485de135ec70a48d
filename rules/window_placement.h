// Where a restored main window may stand: pixel points, sizes and rectangles, and the corner kept on the screen.
#pragma once

#include <cstdint>

namespace duel {

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct PixelSize {
    int32_t width = 0;
    int32_t height = 0;
};

struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Moves a restored top-left corner (pixels) so that the main window with
// its docked keypad - together `total`, measured from that corner - lies
// inside `screen`.  Where `total` is larger than the screen its top-left
// corner is kept on screen.
PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen);

}  // namespace duel
