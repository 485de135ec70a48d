// One run of the program without windows, keeping a journal: what the journal keeper's and the resume tests share.
#pragma once

#include "duel/computer_opponent.h"
#include "duel/duel.h"
#include "session/event_listeners.h"
#include "session/journal_keeper.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_screen.h"

#include <memory>

namespace duel::testing {

// Its own state, platform, screen and computer, the journal keeper (opened by
// the test, over the journal in a folder of its choosing) and a recording
// listener behind the keeper.
struct JournaledRun {
    GameState state;
    FakePlatform platform;
    FakeScreen screen;
    ComputerOpponent computer;
    RecordingEvents events;
    std::unique_ptr<JournalKeeper> keeper = std::make_unique<JournalKeeper>(platform);
    EventListeners listeners{keeper.get(), &events};  // the journal first, as in the session
    Duel duel{state, platform, screen, computer, listeners};
};

}  // namespace duel::testing
