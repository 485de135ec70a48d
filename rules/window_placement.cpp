// The restored main window's corner moved so that the window and its docked keypad stay on the screen.
#include "rules/window_placement.h"

#include <algorithm>

namespace duel {

PixelPoint ClampWindowPosition(PixelPoint wanted, PixelSize total, const PixelRect& screen) {
    const auto clampAxis = [](int64_t position, int64_t extent, int64_t origin, int64_t room) {
        const int64_t last = origin + std::max<int64_t>(0, room - std::max<int64_t>(0, extent));
        return static_cast<int32_t>(std::clamp(position, origin, last));
    };
    return {clampAxis(wanted.x, total.width, screen.x, screen.width),
            clampAxis(wanted.y, total.height, screen.y, screen.height)};
}

}  // namespace duel
