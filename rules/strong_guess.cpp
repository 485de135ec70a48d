// The stronger opponent's guess: among the numbers that fit every answer, the one that splits them best.
#include "rules/strong_guess.h"

namespace duel {

std::vector<PackedNumber> PackCandidates(const CandidateList& candidates, int32_t count) {
    std::vector<PackedNumber> numbers;
    numbers.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (int32_t i = 1; i <= count; ++i) numbers.push_back(PackNumber(candidates[static_cast<size_t>(i)]));
    return numbers;
}

AnswerBuckets SplitByAnswer(std::span<const PackedNumber> numbers, PackedNumber guess) {
    AnswerBuckets buckets{};
    for (const PackedNumber& number : numbers) ++buckets[static_cast<size_t>(AnswerCode(guess, number))];
    return buckets;
}

int64_t SumOfSquares(const AnswerBuckets& buckets) {
    int64_t sum = 0;
    for (int32_t n : buckets) sum += int64_t{n} * n;
    return sum;
}

int32_t StrongPickIndex(const CandidateList& candidates, int32_t count, double fraction) {
    return PickBestSplit(candidates, count, fraction, SumOfSquares);
}

}  // namespace duel
