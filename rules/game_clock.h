// The game clock's text.
#pragma once

#include <cstdint>
#include <string>

namespace duel {

// "mm:ss": minutes with at least two digits, seconds with two.  A negative
// elapsed time (which a monotonic clock never gives) shows "00:00".
std::string ClockText(int64_t elapsedSeconds);

}  // namespace duel
