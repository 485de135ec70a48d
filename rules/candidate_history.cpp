// The computer's candidate list rebuilt from a side's answered moves.
#include "rules/candidate_history.h"

namespace duel {

int32_t RebuildCandidateList(CandidateList& candidates, std::span<const Move> moves) {
    int32_t count = BuildCandidateList(candidates, [](int32_t) {});
    for (const Move& move : moves) count = FilterCandidates(candidates, count, move.guess, move.answer, [](int32_t) {});
    return count;
}

}  // namespace duel
