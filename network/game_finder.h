// The games on offer on the local network, as the window "Дуэль по сети" lists them.
#pragma once

#include "network/found_game.h"

#include <functional>
#include <vector>

namespace duel::net {

// GameBrowser finds them with Avahi (network/game_discovery.h); tests hand the window a
// scripted one.
class GameFinder {
public:
    virtual ~GameFinder() = default;

    // False where no Avahi daemon answers: the list cannot be filled, typing an address works.
    virtual bool available() const = 0;
    // The games found so far, each checked by CheckFoundGame, in the order they came, one for
    // each announced name.
    virtual std::vector<FoundGame> games() const = 0;

    // Runs whenever the games or the availability changed.
    std::function<void()> onChanged;

protected:
    void Changed() {
        if (onChanged) onChanged();
    }
};

}  // namespace duel::net
