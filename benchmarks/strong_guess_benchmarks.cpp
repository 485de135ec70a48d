// Benchmarks of the stronger opponent's move: on the full list, and on each list a first answer can leave.
#include "rules/number_rules.h"
#include "rules/strong_guess.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace duel {
namespace {

// The worst of the repetitions, beside Google Benchmark's mean and median.
double Worst(const std::vector<double>& times) { return *std::max_element(times.begin(), times.end()); }

// The first move: the full list of 3024 numbers.
void BM_StrongMoveFullList(benchmark::State& state) {
    CandidateList list{};
    const int32_t count = BuildCandidateList(list, [](int32_t) {});
    int32_t slot = 0;
    for (auto _ : state) benchmark::DoNotOptimize(slot = StrongPickIndex(list, count, 0.37));
    state.counters["candidates"] = count;
}
BENCHMARK(BM_StrongMoveFullList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ComputeStatistics("worst", Worst);

// The second move: the list left by the answer (exact, partial) to the first
// guess 1234.  Every first guess leaves one of these lists up to renaming the
// digits, so these are all the second moves there are; (0, 2) leaves the
// most, 840 numbers.
void BM_StrongMoveAfterFirstAnswer(benchmark::State& state) {
    CandidateList list{};
    int32_t count = BuildCandidateList(list, [](int32_t) {});
    const Score answer{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1))};
    count = FilterCandidates(list, count, "1234", answer, [](int32_t) {});
    int32_t slot = 0;
    for (auto _ : state) benchmark::DoNotOptimize(slot = StrongPickIndex(list, count, 0.37));
    state.counters["candidates"] = count;
}
BENCHMARK(BM_StrongMoveAfterFirstAnswer)
    ->ArgNames({"exact", "partial"})
    ->ArgsProduct({{0}, {0, 1, 2, 3, 4}})
    ->ArgsProduct({{1}, {0, 1, 2, 3}})
    ->ArgsProduct({{2}, {0, 1, 2}})
    ->Args({3, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("worst", Worst);

}  // namespace
}  // namespace duel
