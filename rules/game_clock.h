// The game clock's text.
#pragma once

#include "rules/player_text.h"

#include <cstdint>
#include <optional>
#include <string>

namespace duel {

// What status panel 2 shows while no game clock runs.
inline constexpr const char* kClockStoppedText = DUEL_MARK("rules", "стоим");

// "mm:ss": minutes with at least two digits, seconds with two.  A negative
// elapsed time (which a monotonic clock never gives) shows "00:00".
std::string ClockText(int64_t elapsedSeconds);

// Status panel 2 for the clock's shown seconds: their ClockText, or
// kClockStoppedText when there are none.  A record's time is this text.
std::string ClockPanelText(std::optional<int64_t> shownSeconds);

}  // namespace duel
