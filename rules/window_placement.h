// Where a window of the game opens: over its owner, whole on the screen's available area.
#pragma once

#include "rules/settings_file.h"  // PixelPoint, PixelSize, PixelRect

namespace duel {

// The frame (title bar and borders included) of a window that wants the
// frame size `wanted` and can shrink to `minimum`, centred over its owner's
// frame `owner` and kept inside `available` (the screen less its panels):
// the size is cut to the available area (never below `minimum`), and the
// window is moved into the area, its top-left corner first when even the
// minimum does not fit.
PixelRect PlaceOverOwner(PixelSize wanted, PixelSize minimum, const PixelRect& owner, const PixelRect& available);

}  // namespace duel
