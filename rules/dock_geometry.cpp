// The keypad's offset rule and docked position, the arrow windows' places, hover zones and clicks.
#include "rules/dock_geometry.h"

#include "rules/twips.h"

namespace duel {

namespace {

// value / 2 to the nearest whole number, a half going to the even neighbour.
int64_t HalveToEven(int64_t value) {
    int64_t half = value / 2;  // truncated towards zero
    if (value % 2 != 0 && half % 2 != 0) half += value > 0 ? 1 : -1;
    return half;
}

}  // namespace

int32_t KeypadOffset(int32_t dock, int32_t mainWidth, int32_t keypadWidth, int32_t currentOffset) {
    const int64_t spare = int64_t{mainWidth} - keypadWidth;
    switch (dock) {
        case kDockLeft:
            return 0;
        case kDockCentre:
            return ClampToInt32(HalveToEven(spare));
        case kDockRight:
            return ClampToInt32(spare);
        default:
            return currentOffset;
    }
}

TwipPoint KeypadTopLeft(int32_t mainLeft, int32_t mainTop, int32_t mainHeight, int32_t offset) {
    return {ClampToInt32(int64_t{mainLeft} + offset), ClampToInt32(int64_t{mainTop} + mainHeight)};
}

TwipPoint ArrowBesideKeypad(ArrowSide side, TwipPoint keypad, int32_t keypadWidth, int32_t keypadHeight,
                            int32_t arrowWidth, int32_t arrowHeight) {
    const int64_t left =
        side == ArrowSide::Left ? int64_t{keypad.left} - arrowWidth : int64_t{keypad.left} + keypadWidth;
    const int64_t top = keypad.top + (int64_t{keypadHeight} - arrowHeight) / 2;
    return {ClampToInt32(left), ClampToInt32(top)};
}

HoverZone HoverZoneAt(int32_t x, int32_t y, int32_t dock) {
    if (x >= kLeftStripFrom && x <= kLeftStripTo && y >= kStripTop && y <= kStripBottom &&
        (dock == kDockCentre || dock == kDockRight))
        return HoverZone::Left;
    if (x >= kRightStripFrom && x <= kRightStripTo && y >= kStripTop && y <= kRightZoneBottom &&
        (dock == kDockLeft || dock == kDockCentre))
        return HoverZone::Right;
    return HoverZone::None;
}

ArrowClick AfterArrowClick(ArrowSide side, int32_t dock) {
    if (side == ArrowSide::Left) {
        if (dock == kDockCentre || dock == kDockRight) return {dock - 1, dock == kDockCentre};
    } else {
        if (dock == kDockLeft || dock == kDockCentre) return {dock + 1, dock == kDockCentre};
    }
    return {dock, true};
}

}  // namespace duel
