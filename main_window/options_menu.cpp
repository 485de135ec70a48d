// The menu's own choices, the hint and the stronger opponent: their handlers, read at start-up, kept when changed.
#include "main_window/main_window.h"
#include "storage/player_options_file.h"

#include <cstdio>

namespace duel {

void MainWindow::ReadPlayerOptions() {
    const PlayerOptions options = LoadPlayerOptions(platform_.userConfigFolderPath());
    state_.hintChosen = options.hint;
    state_.strongChosen = options.strong;
}

// A choice that cannot be kept still holds for this run; a box for it would
// stand in the way of the game, so the failure goes to the terminal, once.
void MainWindow::SavePlayerOptions() {
    if (duel::SavePlayerOptions(platform_.userConfigFolderPath(), {state_.hintChosen, state_.strongChosen})) return;
    if (optionsFailureShown_) return;
    optionsFailureShown_ = true;
    std::fprintf(stderr,
                 "shelvy: the choices of the hint and of the opponent could not be kept for the next run: "
                 "the user's config folder cannot be written\n");
}

// The hint appears or goes at once; the game goes on as it was.
void MainWindow::mnuAddHint_Click() {
    state_.hintChosen = !state_.hintChosen;
    SavePlayerOptions();
    Refresh();
}

// The game that runs keeps the opponent it began with; the next one takes the choice.
void MainWindow::mnuAddStrong_Click() {
    state_.strongChosen = !state_.strongChosen;
    SavePlayerOptions();
    Refresh();
}

}  // namespace duel
