// Benchmarks of the lesson after a game ("Разбор") for games of 20 moves of the player.
#include "rules/game_lesson.h"
#include "rules/number_rules.h"
#include "rules/strong_guess.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace duel {
namespace {

double Worst(const std::vector<double>& times) { return *std::max_element(times.begin(), times.end()); }

// 19 guesses that each keep as many numbers as they can on average (the worst
// splitter among all 3024 numbers, none guessed twice), then the secret: the
// lists stay as long as a game of 20 moves can keep them, which is where the
// lesson's best split costs most.
std::vector<Move> PoorGame(const std::string& secret) {
    CandidateList all{};
    const int32_t total = BuildCandidateList(all, [](int32_t) {});
    CandidateList fitting = all;
    int32_t count = total;
    std::vector<Move> moves;
    while (moves.size() < 19) {
        const std::vector<PackedNumber> numbers = PackCandidates(fitting, count);
        std::string worst;
        int64_t worstMeasure = -1;
        for (int32_t slot = 1; slot <= total; ++slot) {
            const std::string guess = NumberText(all[static_cast<size_t>(slot)]);
            if (guess == secret ||
                std::any_of(moves.begin(), moves.end(), [&](const Move& m) { return m.guess == guess; }))
                continue;
            const int64_t measure = SumOfSquares(SplitByAnswer(numbers, PackNumber(all[static_cast<size_t>(slot)])));
            if (measure > worstMeasure) {
                worstMeasure = measure;
                worst = guess;
            }
        }
        moves.push_back({worst, ScoreGuess(worst, secret)});
        count = FilterCandidates(fitting, count, worst, moves.back().answer, [](int32_t) {});
    }
    moves.push_back({secret, {4, 0}});
    return moves;
}

void BM_LessonOfA20MoveGame(benchmark::State& state) {
    const std::vector<Move> game = PoorGame("2156");
    std::vector<MoveLesson> lesson;
    for (auto _ : state) benchmark::DoNotOptimize(lesson = LessonOf(game));
    state.counters["moves"] = static_cast<double>(game.size());
    state.counters["fitting_after_2"] = lesson.size() > 2 ? lesson[2].fittingBefore : 0;
}
BENCHMARK(BM_LessonOfA20MoveGame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ComputeStatistics("worst", Worst);

}  // namespace
}  // namespace duel
