// Where the game's windows stand: the restored main window kept on the screen, a window centred over its owner.
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

PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen) {
    const auto clampAxis = [](int64_t position, int64_t extent, int64_t origin, int64_t room) {
        const int64_t last = origin + std::max<int64_t>(0, room - std::max<int64_t>(0, extent));
        return static_cast<int32_t>(std::clamp(position, origin, last));
    };
    return {clampAxis(wanted.x, total.width, screen.x, screen.width),
            clampAxis(wanted.y, total.height, screen.y, screen.height)};
}

PixelRect PlaceOverOwner(PixelSize wanted, PixelSize minimum, const PixelRect& owner, const PixelRect& available) {
    PixelRect frame;
    frame.width = std::max(minimum.width, std::min(wanted.width, available.width));
    frame.height = std::max(minimum.height, std::min(wanted.height, available.height));
    frame.x = Centred(frame.width, owner.x, owner.width, available.x, available.width);
    frame.y = Centred(frame.height, owner.y, owner.height, available.y, available.height);
    return frame;
}

}  // namespace duel
