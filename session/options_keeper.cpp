// The options file of the player's own choices: read at start-up, written after every change.
#include "session/options_keeper.h"

#include "platform/platform.h"
#include "storage/player_options_file.h"

#include <cstdio>

namespace duel {

void OptionsKeeper::Load(GameState& state) {
    const PlayerOptions options = LoadPlayerOptions(platform_.userConfigFolderPath());
    state.hintChosen = options.hint;
    state.strongChosen = options.strong;
    state.playerName = options.name;
    state.jabberAccount = options.jabber;
    state.jabberServer = options.jabberServer;
}

void OptionsKeeper::RemoveLeftovers() { RemoveLeftoverPlayerOptions(platform_.userConfigFolderPath()); }

void OptionsKeeper::ChoicesChanged(const GameState& state) {
    if (SavePlayerOptions(platform_.userConfigFolderPath(), {state.hintChosen, state.strongChosen, state.playerName,
                                                             state.jabberAccount, state.jabberServer}))
        return;
    if (failureShown_) return;
    failureShown_ = true;
    std::fprintf(stderr,
                 "shelvy: the choices of the hint and of the opponent could not be kept for the next run: "
                 "the user's config folder cannot be written\n");
}

}  // namespace duel
