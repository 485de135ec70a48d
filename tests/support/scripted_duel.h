// A duel with no window: the game's state, a scripted platform, a screen and a listener that record what they hear.
#pragma once

#include "duel/duel.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <gtest/gtest.h>

namespace duel::testing {

class ScriptedDuel : public ::testing::Test {
protected:
    GameState state;
    FakePlatform platform;
    FakeScreen screen;
    RecordingEvents events;
    Duel duel{state, platform, screen, events};

    // `seconds` more on the game clock, shown at once.
    void Tick(int seconds) {
        platform.monotonic += seconds;
        GameClockTick(state, platform);
    }
};

}  // namespace duel::testing
