// How many guesses the computer needs: whole duels of its side against every one of the 3024 numbers.
//
//   duel_simulation [PASSES] [STRONG_PASSES]
//       plays PASSES rounds (default 10) over all 3024 numbers with the game's
//       first guesser (uniform among the candidates), and STRONG_PASSES rounds
//       (default 1) with each guesser that picks the best split among the
//       candidates: the fewest numbers left on average (the stronger
//       opponent), the most different answers, and the most information
//       (entropy).  Prints the mean, the worst case and the distribution of
//       the number of guesses of each, the wall time of one move (median,
//       99th percentile, worst) and the time it all took.
// Every guesser guesses only numbers that fit every answer so far, its answer
// is scored, the list filtered, as in the game.  The draws come from the game's
// own generator, started afresh for each guesser, so every run prints the same.
#include "rules/number_rules.h"
#include "rules/random_fractions.h"
#include "rules/strong_guess.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using duel::AnswerBuckets;
using duel::CandidateList;

// The slot 1..count of the next guess.
using Guesser = int32_t (*)(const CandidateList& candidates, int32_t count, double fraction);

int32_t UniformGuess(const CandidateList&, int32_t count, double fraction) { return duel::DrawIndex(fraction, count); }

int32_t FewestLeftGuess(const CandidateList& candidates, int32_t count, double fraction) {
    return duel::StrongPickIndex(candidates, count, fraction);
}

// The most different answers: the most non-empty buckets.
int32_t MostAnswersGuess(const CandidateList& candidates, int32_t count, double fraction) {
    return duel::PickBestSplit(candidates, count, fraction, [](const AnswerBuckets& buckets) {
        int64_t empty = 0;
        for (int32_t n : buckets) empty += n == 0;
        return empty;
    });
}

// The most information: the least sum of n log n over the buckets, rounded
// so that splits of the same sizes in another order tie.
int32_t EntropyGuess(const CandidateList& candidates, int32_t count, double fraction) {
    return duel::PickBestSplit(candidates, count, fraction, [](const AnswerBuckets& buckets) {
        double sum = 0;
        for (int32_t n : buckets)
            if (n > 1) sum += n * std::log(static_cast<double>(n));
        return static_cast<int64_t>(std::llround(sum * 1e6));
    });
}

// Guesses `guesser` needs to find `secret`; the wall time of every choice of a guess goes to moveSeconds.
int PlayDuel(const CandidateList& full, int32_t fullCount, const std::string& secret, Guesser guesser,
             duel::RandomFractions& random, std::vector<double>& moveSeconds) {
    CandidateList candidates = full;
    int32_t count = fullCount;
    for (int guesses = 1;; ++guesses) {
        const double fraction = random.next();
        const auto started = std::chrono::steady_clock::now();
        const int32_t index = guesser(candidates, count, fraction);
        moveSeconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        const std::string guess = duel::NumberText(candidates[static_cast<size_t>(index)]);
        const duel::Score answer = duel::ScoreGuess(guess, secret);
        if (answer.exact == 4) return guesses;
        count = duel::FilterCandidates(candidates, count, guess, answer, [](int32_t) {});
        if (count == 0) {  // cannot happen with true answers
            std::fprintf(stderr, "no candidate left for %s\n", secret.c_str());
            std::exit(1);
        }
    }
}

void Simulate(const char* name, Guesser guesser, int passes, const CandidateList& full, int32_t fullCount) {
    duel::RandomFractions random;
    const auto started = std::chrono::steady_clock::now();
    std::map<int, long> histogram;
    long duels = 0;
    long totalGuesses = 0;
    int worst = 0;
    std::string worstSecret;
    std::vector<double> moveSeconds;
    for (int pass = 0; pass < passes; ++pass) {
        for (int32_t i = 1; i <= fullCount; ++i) {
            const std::string secret = duel::NumberText(full[static_cast<size_t>(i)]);
            const int guesses = PlayDuel(full, fullCount, secret, guesser, random, moveSeconds);
            ++histogram[guesses];
            ++duels;
            totalGuesses += guesses;
            if (guesses > worst) {
                worst = guesses;
                worstSecret = secret;
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::printf("%s\n", name);
    std::printf("  duels played:  %ld (%d x %d numbers)\n", duels, passes, fullCount);
    std::printf("  mean guesses:  %.3f\n", static_cast<double>(totalGuesses) / static_cast<double>(duels));
    std::printf("  worst guesses: %d (first at %s)\n", worst, worstSecret.c_str());
    std::printf("  distribution:\n");
    for (const auto& [guesses, number] : histogram)
        std::printf("    %2d guesses: %6ld  (%5.2f%%)\n", guesses, number,
                    100.0 * static_cast<double>(number) / static_cast<double>(duels));
    std::sort(moveSeconds.begin(), moveSeconds.end());
    std::printf("  one move:      median %.3f ms, 99%% within %.3f ms, worst %.3f ms (%zu moves)\n",
                1e3 * moveSeconds[moveSeconds.size() / 2], 1e3 * moveSeconds[moveSeconds.size() * 99 / 100],
                1e3 * moveSeconds.back(), moveSeconds.size());
    std::printf("  time:          %.2f s (%.1f us per duel)\n\n", seconds, 1e6 * seconds / static_cast<double>(duels));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 10;
    const int strongPasses = argc > 2 ? std::atoi(argv[2]) : 1;
    if (passes < 1 || strongPasses < 1) {
        std::fprintf(stderr, "usage: duel_simulation [PASSES] [STRONG_PASSES]\n");
        return 2;
    }

    CandidateList full{};
    const int32_t fullCount = duel::BuildCandidateList(full, [](int32_t) {});
    Simulate("uniform among the candidates (the game's first opponent)", UniformGuess, passes, full, fullCount);
    Simulate("fewest numbers left on average (the stronger opponent)", FewestLeftGuess, strongPasses, full, fullCount);
    Simulate("most different answers (compared)", MostAnswersGuess, strongPasses, full, fullCount);
    Simulate("most information, entropy (compared)", EntropyGuess, strongPasses, full, fullCount);
    return 0;
}
