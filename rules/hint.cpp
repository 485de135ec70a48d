// The hint for the player: how many numbers still fit the answers, or which earlier move the last one contradicts.
#include "rules/hint.h"

#include "rules/candidate_history.h"
#include "rules/number_rules.h"
#include "rules/player_text.h"

namespace duel {

int32_t CountFittingNumbers(std::span<const Move> moves) {
    CandidateList candidates{};
    return RebuildCandidateList(candidates, moves);
}

std::optional<Contradiction> FindContradiction(std::span<const Move> moves) {
    if (moves.empty()) return std::nullopt;
    const std::string& last = moves.back().guess;
    for (size_t m = 0; m + 1 < moves.size(); ++m) {
        if (ScoreGuess(moves[m].guess, last) != moves[m].answer)
            return Contradiction{static_cast<int32_t>(moves.size()), static_cast<int32_t>(m + 1)};
    }
    return std::nullopt;
}

std::string HintText(std::span<const Move> moves) {
    if (const auto contradiction = FindContradiction(moves))
        return Word(DUEL_TEXT("rules", "Ход %1 противоречит ходу %2"),
                    {std::to_string(contradiction->move), std::to_string(contradiction->earlier)});
    return Word(DUEL_TEXT("rules", "Подходит чисел: %1"), {std::to_string(CountFittingNumbers(moves))});
}

}  // namespace duel
