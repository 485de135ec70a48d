// The computer's candidate list rebuilt from a side's answered moves.
#pragma once

#include "rules/number_rules.h"
#include "rules/score.h"

#include <cstdint>
#include <span>

namespace duel {

// Fills `candidates` as New game does (all 3024 numbers, slots 1..3024) and
// filters it by every move in turn, oldest first, exactly as the computer's
// move does after each answer; returns the count left.  A game resumed from
// the journal gets back the very list it had, slot for slot.  The same filter
// over the player's moves gives the numbers the computer's secret may still be.
int32_t RebuildCandidateList(CandidateList& candidates, std::span<const Move> moves);

}  // namespace duel
