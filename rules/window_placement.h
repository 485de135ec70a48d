// Where the game's windows stand on the screen: a restored main window kept on it, a window opened over its owner.
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
    bool operator==(const PixelRect&) const = default;
};

// Moves a restored top-left corner (pixels) so that the main window with
// its docked keypad - together `total`, measured from that corner - lies
// inside `screen`.  Where `total` is larger than the screen its top-left
// corner is kept on screen.
PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen);

// The frame (title bar and borders included) of a window that wants the
// frame size `wanted` and can shrink to `minimum`, centred over its owner's
// frame `owner` and kept inside `available` (the screen less its panels):
// the size is cut to the available area (never below `minimum`), and the
// window is moved into the area, its top-left corner first when even the
// minimum does not fit.
PixelRect PlaceOverOwner(PixelSize wanted, PixelSize minimum, const PixelRect& owner, const PixelRect& available);

}  // namespace duel
