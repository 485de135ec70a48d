// The computer as the duel's opponent: its number, its candidate list, its guesses and their filter.
#pragma once

#include "duel/opponent.h"
#include "rules/number_rules.h"

#include <cstdint>

namespace duel {

// The computer keeps every number that agrees with all the answers to its
// guesses (slots 1..candidateCount() of its list, ascending) and guesses one
// of them: drawn at random, or in a game of the stronger opponent
// (state.strongOpponent) the one that splits them best, ties drawn.  Building
// and filtering the list let pending events run after every number, with the
// thinking window showing the progress; the game is busy meanwhile.
class ComputerOpponent final : public Opponent {
public:
    bool isComputer() const override { return true; }
    bool allowsHiddenNumber() const override { return true; }

    // BuildCandidates, then the computer's number drawn from the list.
    bool PrepareGame(Duel& duel) override;
    // Scored against the computer's number.
    std::optional<Score> AnswerGuess(Duel& duel, const std::string& guess) override;
    // One random draw either way; pickIndex() is its slot.
    std::optional<std::string> MakeGuess(Duel& duel) override;
    // Its win (exact count 4), or its candidates filtered and the turn handed
    // back, or no candidate left.
    AfterAnswer TakeAnswer(Duel& duel, const Move& answered) override;
    // With a hidden number, no candidate was left before this answer.
    bool AnswersContradicted(const Duel& duel) const override;
    // The list rebuilt from the answers to the computer's guesses, slot for slot.
    void Resume(Duel& duel) override;

    const CandidateList& candidates() const { return candidates_; }
    int32_t candidateCount() const { return candidateCount_; }
    int32_t pickIndex() const { return pickIndex_; }
    // Puts a list of the test's own in place of the computer's.
    void SetCandidates(const CandidateList& candidates, int32_t count) {
        candidates_ = candidates;
        candidateCount_ = count;
    }

private:
    void BuildCandidates(Duel& duel);

    CandidateList candidates_{};
    int32_t candidateCount_ = 0;
    int32_t pickIndex_ = 0;
};

}  // namespace duel
