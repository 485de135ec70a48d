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

int64_t LeastSumOfSquares(std::span<const PackedNumber> numbers) {
    if (numbers.empty()) return 0;
    // As in PickBestSplit: every number splits the full list alike.
    if (numbers.size() >= static_cast<size_t>(kAllNumbers)) return SumOfSquares(SplitByAnswer(numbers, numbers[0]));
    int64_t least = -1;
    for (const PackedNumber& guess : numbers) {
        const int64_t value = SumOfSquares(SplitByAnswer(numbers, guess));
        if (least < 0 || value < least) least = value;
    }
    return least;
}

int32_t StrongPickIndex(const CandidateList& candidates, int32_t count, double fraction) {
    return PickBestSplit(candidates, count, fraction, SumOfSquares);
}

}  // namespace duel
