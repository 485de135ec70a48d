// How many guesses the computer needs: whole duels of its side against every one of the 3024 numbers.
//
//   duel_simulation [PASSES]   plays PASSES rounds (default 10) over all 3024
//                              numbers and prints the mean, the worst case and
//                              the distribution of the number of guesses.
// The computer plays as in the game: a guess drawn uniformly from the numbers
// still consistent with every answer, the answer scored, the list filtered.
// The draws come from the game's own generator, so every run prints the same.
#include "rules/number_rules.h"
#include "rules/random_fractions.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using duel::CandidateList;

// Guesses the computer needs to find `secret`.
int PlayDuel(const CandidateList& full, int32_t fullCount, const std::string& secret, duel::RandomFractions& random) {
    CandidateList candidates = full;
    int32_t count = fullCount;
    for (int guesses = 1;; ++guesses) {
        const int32_t index = duel::DrawIndex(random.next(), count);
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

}  // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 10;
    if (passes < 1) {
        std::fprintf(stderr, "usage: duel_simulation [PASSES]\n");
        return 2;
    }

    CandidateList full{};
    const int32_t fullCount = duel::BuildCandidateList(full, [](int32_t) {});
    duel::RandomFractions random;

    const auto started = std::chrono::steady_clock::now();
    std::map<int, long> histogram;
    long duels = 0;
    long totalGuesses = 0;
    int worst = 0;
    std::string worstSecret;
    for (int pass = 0; pass < passes; ++pass) {
        for (int32_t i = 1; i <= fullCount; ++i) {
            const std::string secret = duel::NumberText(full[static_cast<size_t>(i)]);
            const int guesses = PlayDuel(full, fullCount, secret, random);
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

    std::printf("duels played:    %ld (%d x %d numbers)\n", duels, passes, fullCount);
    std::printf("mean guesses:    %.3f\n", static_cast<double>(totalGuesses) / static_cast<double>(duels));
    std::printf("worst guesses:   %d (first at %s)\n", worst, worstSecret.c_str());
    std::printf("distribution:\n");
    for (const auto& [guesses, number] : histogram)
        std::printf("  %2d guesses: %6ld  (%5.2f%%)\n", guesses, number,
                    100.0 * static_cast<double>(number) / static_cast<double>(duels));
    std::printf("time:            %.2f s (%.1f us per duel)\n", seconds, 1e6 * seconds / static_cast<double>(duels));
    return 0;
}
