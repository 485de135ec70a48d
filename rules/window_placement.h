// Where the game's windows stand on the screen: whole on its available area, the main window with its keypad.
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

// Moves the top-left corner `wanted` of a box of the size `total` as little as
// keeps the box inside `screen`.  Where `total` is larger than the screen its
// top-left corner is kept on screen.
PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen);

// A window's frame (title bar and borders included) that wants to stand at
// `wanted`, kept whole inside `area` (the screen less its panels): a frame
// larger than the area is cut to it, never below `minimum`, and then moved as
// little as keeps it inside; its top-left corner first where even the minimum
// does not fit.  A frame that fits stays where it wanted to be.
PixelRect KeepInside(const PixelRect& wanted, PixelSize minimum, const PixelRect& area);

// The frame of a window that wants the frame size `wanted` and can shrink to
// `minimum`, centred over its owner's frame `owner` and kept inside `available`
// as KeepInside keeps it.
PixelRect PlaceOverOwner(PixelSize wanted, PixelSize minimum, const PixelRect& owner, const PixelRect& available);

// The main window's frame and the keypad's frame docked under it, the keypad's
// given against the main window's top-left corner.  The arrow windows stand
// beside the keypad within the main window's width and are left out.
struct DockedPair {
    PixelSize main;
    PixelRect keypad;
};

// The main window's top-left corner nearest to `wanted` at which the docked
// pair lies whole inside `area`: the two move together, up when the keypad
// would leave the bottom, left or right when either window would leave a side,
// and not at all when they fit.  A pair larger than the area keeps its
// top-left corner on it, so that the title bar and the menus stay in reach.
PixelPoint KeepPairInside(PixelPoint wanted, const DockedPair& pair, const PixelRect& area);

// The main window's top-left corner that centres the docked pair in `area`
// (kept inside it as KeepPairInside keeps it).
PixelPoint CentrePairIn(const DockedPair& pair, const PixelRect& area);

}  // namespace duel
