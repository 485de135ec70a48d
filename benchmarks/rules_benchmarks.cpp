// Benchmarks of the pure rules: building and filtering the computer's candidate list.
#include "rules/number_rules.h"

#include <benchmark/benchmark.h>

namespace duel {
namespace {

// Filtering all 3024 numbers, as the computer's first move does, without the
// window's per-candidate event processing.  Arguments: exact and partial count
// of the answer to the guess 1234.  The copy of the full list (6 KB) is part
// of each iteration.
void BM_FilterAllCandidates(benchmark::State& state) {
    CandidateList full{};
    const int32_t count = BuildCandidateList(full, [](int32_t) {});
    const Score answer{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1))};
    int32_t kept = 0;
    for (auto _ : state) {
        CandidateList candidates = full;
        kept = FilterCandidates(candidates, count, "1234", answer, [](int32_t) {});
        benchmark::DoNotOptimize(candidates.data());
    }
    state.counters["kept"] = kept;
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_FilterAllCandidates)
    ->ArgNames({"exact", "partial"})
    ->Args({1, 1})   // a typical answer to a first guess
    ->Args({0, 0});  // only the digits 5..9 remain

// Building the list of all 3024 numbers, as New game does, without windows.
void BM_BuildCandidateList(benchmark::State& state) {
    CandidateList candidates{};
    int32_t count = 0;
    for (auto _ : state) {
        count = BuildCandidateList(candidates, [](int32_t) {});
        benchmark::DoNotOptimize(candidates.data());
    }
    state.counters["count"] = count;
}
BENCHMARK(BM_BuildCandidateList);

}  // namespace
}  // namespace duel
