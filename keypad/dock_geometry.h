// Where the keypad stands under the main window: the offset rule and the keypad's corner, in twips.
#pragma once

#include <cstdint>

namespace duel {

// Values of keypadDock.
inline constexpr int32_t kDockLeft = 1;    // left edges aligned
inline constexpr int32_t kDockCentre = 2;  // keypad centred under the main window
inline constexpr int32_t kDockRight = 3;   // right edges aligned

// The keypad's left minus the main window's left, from the placement and the
// two outer widths.  Centred, an odd difference is halved to the even whole
// twip; a placement outside 1..3 keeps `currentOffset`.  Never overflows: a
// result beyond the range of int32_t is clamped to it.
int32_t KeypadOffset(int32_t dock, int32_t mainWidth, int32_t keypadWidth, int32_t currentOffset);

struct TwipPoint {
    int32_t left = 0;
    int32_t top = 0;
    friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

// Outer top-left corner of the docked keypad: its top edge lies on the main
// window's bottom edge, its left edge `offset` twips right of the main
// window's left edge.  Clamped to the range of int32_t.
TwipPoint KeypadTopLeft(int32_t mainLeft, int32_t mainTop, int32_t mainHeight, int32_t offset);

}  // namespace duel
