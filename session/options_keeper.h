// The player's own choices (the hint, the stronger opponent): read at start-up, written when they change.
#pragma once

#include "duel/game_events.h"

namespace duel {

class Platform;

// Keeps the choices in the options file of the user's config folder.  A
// choice that cannot be kept still holds for this run; a box for it would
// stand in the way of the game, so the failure goes to the terminal, once.
class OptionsKeeper final : public GameEvents {
public:
    explicit OptionsKeeper(Platform& platform) : platform_(platform) {}

    // Reads the choices into the state: both off when the file is missing or damaged.
    void Load(GameState& state);
    // Removes the temporary files of saves that killed runs left behind.
    void RemoveLeftovers();

    void ChoicesChanged(const GameState& state) override;

private:
    Platform& platform_;
    bool failureShown_ = false;
};

}  // namespace duel
