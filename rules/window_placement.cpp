// Where a window of the game opens: centred over its owner, cut to the screen's available area and moved into it.
#include "rules/window_placement.h"

#include <algorithm>

namespace duel {

namespace {

// The start of a span of `length` centred on [ownerStart, ownerStart + ownerLength), kept in
// [areaStart, areaStart + areaLength); the area's start when it is too short.
int32_t Centred(int32_t length, int32_t ownerStart, int32_t ownerLength, int32_t areaStart, int32_t areaLength) {
    const int32_t wanted = ownerStart + (ownerLength - length) / 2;
    return std::max(areaStart, std::min(wanted, areaStart + areaLength - length));
}

}  // namespace

PixelRect PlaceOverOwner(PixelSize wanted, PixelSize minimum, const PixelRect& owner, const PixelRect& available) {
    PixelRect frame;
    frame.width = std::max(minimum.width, std::min(wanted.width, available.width));
    frame.height = std::max(minimum.height, std::min(wanted.height, available.height));
    frame.x = Centred(frame.width, owner.x, owner.width, available.x, available.width);
    frame.y = Centred(frame.height, owner.y, owner.height, available.y, available.height);
    return frame;
}

}  // namespace duel
