// The game clock's text and the twips conversion shared by every window.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace duel {

// "mm:ss": minutes with at least two digits, seconds with two.  A negative
// elapsed time (which a monotonic clock never gives) shows "00:00".
std::string ClockText(int64_t elapsedSeconds);

// 15 twips are one logical pixel at 96 DPI.
inline constexpr int TwipsToPixels(int twips) {
    const long long t = twips;  // wide enough for any 32-bit position read from a file
    return static_cast<int>(t >= 0 ? (t * 2 + 15) / 30 : -((-t * 2 + 15) / 30));
}
inline constexpr int PixelsToTwips(int pixels) { return pixels * 15; }

}  // namespace duel
