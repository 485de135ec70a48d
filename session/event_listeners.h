// Several listeners of one game, told in turn.
#pragma once

#include "duel/game_events.h"

#include <initializer_list>
#include <vector>

namespace duel {

// Tells every event to each listener, in the order they were given.
class EventListeners final : public GameEvents {
public:
    EventListeners(std::initializer_list<GameEvents*> listeners) : listeners_(listeners) {}

    void GameStarted(const GameState& state) override {
        for (GameEvents* listener : listeners_) listener->GameStarted(state);
    }
    void MoveMade(const GameState& state, Side side, const Move& move, int64_t clockSeconds) override {
        for (GameEvents* listener : listeners_) listener->MoveMade(state, side, move, clockSeconds);
    }
    void GameEnded(const GameState& state, Outcome outcome) override {
        for (GameEvents* listener : listeners_) listener->GameEnded(state, outcome);
    }
    void ResultsChanged(const GameState& state) override {
        for (GameEvents* listener : listeners_) listener->ResultsChanged(state);
    }
    void ChoicesChanged(const GameState& state) override {
        for (GameEvents* listener : listeners_) listener->ChoicesChanged(state);
    }

private:
    std::vector<GameEvents*> listeners_;
};

}  // namespace duel
