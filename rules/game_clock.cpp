// The game clock's text.
#include "rules/game_clock.h"

#include <cstdio>

namespace duel {

std::string ClockText(int64_t elapsedSeconds) {
    if (elapsedSeconds < 0) elapsedSeconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(elapsedSeconds / 60),
                  static_cast<long long>(elapsedSeconds % 60));
    return text;
}

std::string ClockPanelText(std::optional<int64_t> shownSeconds) {
    return shownSeconds ? ClockText(*shownSeconds) : std::string(kClockStoppedText);
}

}  // namespace duel
