// The stronger opponent's guess: among the numbers that fit every answer, the one that splits them best.
//
// The computer as the game first had it draws its guess uniformly among the
// candidates.  The stronger one still guesses only candidates, so every guess
// it shows fits every answer it has had, but it picks the candidate after
// whose answer the fewest numbers remain on average: over the possible
// answers a, bucket a holds n(a) of the count candidates, an answer a comes
// with chance n(a) / count and leaves n(a) numbers, so the mean left is
// sum n(a)^2 / count.  Ties are broken by the caller's random fraction, so
// games differ.  benchmarks/duel_simulation compares it with two other
// measures of a split (the most different answers, the most information);
// neither needs fewer guesses.  A move takes a few milliseconds at most: the
// longest list it searches is the 840 numbers a first answer can leave.
#pragma once

#include "rules/number_rules.h"
#include "rules/packed_number.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace duel {

// How many of the numbers fall to each answer code (see packed_number.h).
using AnswerBuckets = std::array<int32_t, kAnswerCodes>;

// Slots 1..count of the list, packed, in slot order.
std::vector<PackedNumber> PackCandidates(const CandidateList& candidates, int32_t count);

// How `numbers` split by the answer each of them, as the secret, gives to `guess`.
AnswerBuckets SplitByAnswer(std::span<const PackedNumber> numbers, PackedNumber guess);

// Sum of the squared bucket sizes: the count times the mean number left.
int64_t SumOfSquares(const AnswerBuckets& buckets);

// The least SumOfSquares of a split of `numbers` by a guess among them: the
// stronger opponent's measure of its own choice, for judging another guess
// against it.  0 for no number.
int64_t LeastSumOfSquares(std::span<const PackedNumber> numbers);

// The slot (1..count) of the stronger opponent's guess among slots 1..count,
// with count >= 1: the candidate whose split has the least SumOfSquares; of
// several such, the one DrawIndex(fraction, ties) picks in slot order.
int32_t StrongPickIndex(const CandidateList& candidates, int32_t count, double fraction);

// The same choice for any measure of a split (lower is better), so that other
// measures can be compared with the chosen one.  measure(const AnswerBuckets&)
// returns an integer.
template <typename Measure>
int32_t PickBestSplit(const CandidateList& candidates, int32_t count, double fraction, Measure&& measure) {
    // Every first guess splits the full list the same way: renaming the digits
    // and reordering the places maps any number of the game to any other and
    // the full list to itself, and it keeps every answer.  All 3024 tie, so the
    // draw among them is the whole choice, with no work and nothing lost.
    count = std::min(count, kAllNumbers);  // the list has no slot beyond
    if (count >= kAllNumbers || count <= 1) return DrawIndex(fraction, count);
    const std::vector<PackedNumber> numbers = PackCandidates(candidates, count);
    std::vector<int32_t> best;  // slots of the best measure found so far
    best.reserve(static_cast<size_t>(count));
    int64_t bestMeasure = 0;
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int64_t value = measure(SplitByAnswer(numbers, numbers[i]));
        if (best.empty() || value < bestMeasure) {
            best.clear();
            bestMeasure = value;
        }
        if (value == bestMeasure) best.push_back(static_cast<int32_t>(i + 1));
    }
    return best[static_cast<size_t>(DrawIndex(fraction, static_cast<int32_t>(best.size())) - 1)];
}

}  // namespace duel
