// Where the keypad and its arrow windows stand under the main window, and how the arrows change it, in twips.
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

// The two arrow windows beside the keypad.
enum class ArrowSide { Left, Right };

// Outer top-left corner of an arrow window beside the keypad whose outer
// top-left corner is `keypad`: the left one's right edge touches the keypad's
// left edge, the right one's left edge the keypad's right edge; both are
// centred vertically on the keypad (the half twip of an odd difference is
// dropped).  All sizes are outer sizes.  Clamped to the range of int32_t.
TwipPoint ArrowBesideKeypad(ArrowSide side, TwipPoint keypad, int32_t keypadWidth, int32_t keypadHeight,
                            int32_t arrowWidth, int32_t arrowHeight);

// The hover strips painted at the keypad's left and right edges, in twips of
// its client area; the right zone reaches 100 twips below its strip.
inline constexpr int32_t kLeftStripFrom = 0;
inline constexpr int32_t kLeftStripTo = 20;
inline constexpr int32_t kRightStripFrom = 2627;
inline constexpr int32_t kRightStripTo = 2647;
inline constexpr int32_t kStripTop = 405;
inline constexpr int32_t kStripBottom = 810;
inline constexpr int32_t kRightZoneBottom = kStripBottom + 100;

// Where the pointer rests on the keypad's own surface (x, y in twips of its
// client area): on the left strip with room to move left, on the right strip
// (which reaches 100 twips below the painted one) with room to move right,
// or nowhere that brings up an arrow.
enum class HoverZone { None, Left, Right };
HoverZone HoverZoneAt(int32_t x, int32_t y, int32_t dock);

// A click on an arrow: the new placement, and whether the arrow window goes
// away because the keypad has reached the end of its range.  A click with no
// room to move (or at a placement outside 1..3) leaves the placement alone
// and sends the arrow away.
struct ArrowClick {
    int32_t dock = 0;
    bool hideArrow = false;
    friend bool operator==(const ArrowClick&, const ArrowClick&) = default;
};
ArrowClick AfterArrowClick(ArrowSide side, int32_t dock);

}  // namespace duel
