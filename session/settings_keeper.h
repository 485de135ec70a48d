// The settings file of a session: read at start-up, written whenever a result is made and at the close.
#pragma once

#include "duel/game_events.h"
#include "storage/settings_file.h"

#include <filesystem>
#include <vector>

namespace duel {

class Platform;
class SessionScreen;

// Listens to the game: every change of the records or the last results is
// written at once, with the main window's place and the gallery choice, so a
// crash or a lost display afterwards loses at most the window's place.  A
// save that fails is told once during the run in a box and again at the
// close (the last chance to save); never in a box while the program quits.
class SettingsKeeper final : public GameEvents {
public:
    SettingsKeeper(GameState& state, Platform& platform);

    void SetScreen(SessionScreen& screen) { screen_ = &screen; }

    // Reads the settings file (the program's folder first, then the user's
    // config folder) into the state, and the gallery choice from it.
    SettingsLoad Load();
    // Removes the temporary files of saves that killed runs left behind.
    void RemoveLeftovers();
    // Writes the file now; `closing` for the save at the close.
    void Save(bool closing = false);

    void ResultsChanged(const GameState&) override { Save(); }

private:
    // The folders the file may live in, in the order they are tried.
    std::vector<std::filesystem::path> Folders() const;

    GameState& state_;
    Platform& platform_;
    SessionScreen* screen_ = nullptr;
    bool failureShown_ = false;  // a failed save was told during the run
};

}  // namespace duel
