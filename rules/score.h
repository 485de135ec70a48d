// The answer to a guess, and one answered guess of either side of the duel.
#pragma once

#include <cstdint>
#include <string>

namespace duel {

struct Score {
    int32_t exact = 0;    // right digit in the right place ("злыки")
    int32_t partial = 0;  // right digit elsewhere ("шелвы")
    bool operator==(const Score&) const = default;
};

// A guess of four digits with the answer it was given: scored by the game for
// the player's guesses, given by the player (or the automatic scorer) for the
// computer's.
struct Move {
    std::string guess;
    Score answer;
    bool operator==(const Move&) const = default;
};

}  // namespace duel
