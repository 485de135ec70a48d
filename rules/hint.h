// The hint for the player: how many numbers still fit the answers, or which earlier move the last one contradicts.
#pragma once

#include "rules/score.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace duel {

// How many of the game's 3024 numbers would have given every answer of
// `moves` (the player's answered moves, oldest first): the computer's own
// filter run over the player's history.  3024 for no move.
int32_t CountFittingNumbers(std::span<const Move> moves);

// The last move cannot be the secret because an earlier move's answer says
// otherwise.  Both are move numbers counted from 1.
struct Contradiction {
    int32_t move = 0;     // the last move
    int32_t earlier = 0;  // the first earlier move whose answer disagrees
    bool operator==(const Contradiction&) const = default;
};

// The first earlier move M whose guess, scored against the last move's guess
// taken as the secret, would not have got M's answer; nothing when every
// earlier answer allows the last guess (or there is at most one move).
std::optional<Contradiction> FindContradiction(std::span<const Move> moves);

// The hint line for the status bar after the player's moves so far:
// "Ход N противоречит ходу M" when the last move contradicts an earlier one,
// else "Подходит чисел: N".  The window shows it as it is.
std::string HintText(std::span<const Move> moves);

}  // namespace duel
