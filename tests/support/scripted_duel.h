// A duel with no window: the game's state, a scripted platform, the computer, and a screen and listener that record.
#pragma once

#include "duel/computer_opponent.h"
#include "duel/duel.h"
#include "session/event_listeners.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <gtest/gtest.h>

namespace duel::testing {

class ScriptedDuel : public ::testing::Test {
protected:
    GameState state;
    FakePlatform platform;
    FakeScreen screen;
    ComputerOpponent computer;
    RecordingEvents events;
    EventListeners listeners{&events, &screen};
    Duel duel{state, platform, screen, computer, listeners, screen};

    // `seconds` more on the game clock, shown at once.
    void Tick(int seconds) {
        platform.monotonic += seconds;
        GameClockTick(state, platform);
    }
};

}  // namespace duel::testing
