// Where the game's windows stand: kept whole on the screen's available area, alone or as the docked pair.
#include "rules/window_placement.h"

#include "rules/twips.h"

#include <algorithm>

namespace duel {

namespace {

// The start of a span of `extent` that wants to start at `position`, moved as
// little as keeps it in [origin, origin + room); `origin` when it is too long.
int64_t ClampSpan(int64_t position, int64_t extent, int64_t origin, int64_t room) {
    const int64_t last = origin + std::max<int64_t>(0, room - std::max<int64_t>(0, extent));
    return std::clamp(position, origin, last);
}

// The box around both frames of the pair, against the main window's corner.
struct Bounds {
    int64_t left, top, right, bottom;
};

Bounds PairBounds(const DockedPair& pair) {
    const int64_t keypadLeft = pair.keypad.x;
    const int64_t keypadTop = pair.keypad.y;
    return {std::min<int64_t>(0, keypadLeft), std::min<int64_t>(0, keypadTop),
            std::max<int64_t>(pair.main.width, keypadLeft + std::max(0, pair.keypad.width)),
            std::max<int64_t>(pair.main.height, keypadTop + std::max(0, pair.keypad.height))};
}

}  // namespace

PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen) {
    return {static_cast<int32_t>(ClampSpan(wanted.x, total.width, screen.x, screen.width)),
            static_cast<int32_t>(ClampSpan(wanted.y, total.height, screen.y, screen.height))};
}

PixelRect KeepInside(const PixelRect& wanted, PixelSize minimum, const PixelRect& area) {
    PixelRect frame;
    frame.width = std::max(minimum.width, std::min(wanted.width, area.width));
    frame.height = std::max(minimum.height, std::min(wanted.height, area.height));
    const PixelPoint corner = ClampWindowPosition({wanted.x, wanted.y}, {frame.width, frame.height}, area);
    frame.x = corner.x;
    frame.y = corner.y;
    return frame;
}

PixelRect PlaceOverOwner(PixelSize wanted, PixelSize minimum, const PixelRect& owner, const PixelRect& available) {
    const int32_t width = std::max(minimum.width, std::min(wanted.width, available.width));
    const int32_t height = std::max(minimum.height, std::min(wanted.height, available.height));
    const PixelRect centred{owner.x + (owner.width - width) / 2, owner.y + (owner.height - height) / 2, width, height};
    return KeepInside(centred, minimum, available);
}

PixelPoint KeepPairInside(PixelPoint wanted, const DockedPair& pair, const PixelRect& area) {
    const Bounds box = PairBounds(pair);
    const int64_t left = ClampSpan(wanted.x + box.left, box.right - box.left, area.x, area.width);
    const int64_t top = ClampSpan(wanted.y + box.top, box.bottom - box.top, area.y, area.height);
    return {ClampToInt32(left - box.left), ClampToInt32(top - box.top)};
}

PixelPoint CentrePairIn(const DockedPair& pair, const PixelRect& area) {
    const Bounds box = PairBounds(pair);
    const int64_t left = area.x + (area.width - (box.right - box.left)) / 2;
    const int64_t top = area.y + (area.height - (box.bottom - box.top)) / 2;
    return KeepPairInside({ClampToInt32(left - box.left), ClampToInt32(top - box.top)}, pair, area);
}

}  // namespace duel
