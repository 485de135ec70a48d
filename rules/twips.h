// Twips, the unit of every window's layout, and their conversion to logical pixels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace duel {

// 15 twips are one logical pixel at 96 DPI.
inline constexpr int TwipsToPixels(int twips) {
    const long long t = twips;  // wide enough for any 32-bit position read from a file
    return static_cast<int>(t >= 0 ? (t * 2 + 15) / 30 : -((-t * 2 + 15) / 30));
}
inline constexpr int PixelsToTwips(int pixels) { return pixels * 15; }

// A 64-bit intermediate brought back into the range of int32_t.
inline constexpr int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// PixelsToTwips for window positions, which a settings file can push far off
// screen: no overflow, a value out of range is clamped.
inline constexpr int32_t OuterTwips(int pixels) { return ClampToInt32(int64_t{pixels} * PixelsToTwips(1)); }

}  // namespace duel
