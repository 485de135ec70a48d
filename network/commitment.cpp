// Commitments and the reveal check: the peer's number must give its commitment and every answer it gave.
#include "network/commitment.h"

#include "rules/number_rules.h"

namespace duel::net {

std::string Commitment(const Hasher& hash, std::string_view salt, std::string_view number) {
    std::string input(salt);
    input.append(number);
    return hash(input);
}

RevealVerdict CheckReveal(const Hasher& hash, std::string_view digest, std::string_view salt, std::string_view number,
                          const std::vector<Move>& moves) {
    if (CheckNumber(number) || Commitment(hash, salt, number) != digest) return {RevealVerdict::WrongCommitment, 0};
    for (size_t i = 0; i < moves.size(); ++i) {
        if (ScoreGuess(moves[i].guess, number) != moves[i].answer)
            return {RevealVerdict::WrongAnswer, static_cast<int>(i) + 1};
    }
    return {};
}

}  // namespace duel::net
