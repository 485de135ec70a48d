// How long the journal takes: one move written, and a journal of 10,000 games opened, listed and summed up.
//
//   journal_benchmark [FOLDER]
//       works in a new folder made inside FOLDER (default: the current folder,
//       so that the file is on the disk the game would use, not in memory) and
//       removes it at the end.  Prints, never asserts:
//       - one move written and committed (as the game writes each move): median,
//         99th percentile and worst wall time over 2,000 moves in 100 games;
//         and the end of a game, which now and then checkpoints the log into the file;
//       - a journal of 10,000 games with 100,000 moves, generated move by move
//         through the same calls; then, five times, opening it (with its sound-
//         ness check), listing the played games and computing the statistics:
//         median and worst of each and of the whole.
#include "journal/journal.h"
#include "journal/statistics.h"
#include "rules/number_rules.h"
#include "rules/random_fractions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using duel::Journal;
using Clock = std::chrono::steady_clock;

double Since(Clock::time_point started) { return std::chrono::duration<double>(Clock::now() - started).count(); }

struct Spread {
    double median = 0;
    double p99 = 0;
    double worst = 0;
};

Spread SpreadOf(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return {seconds[seconds.size() / 2], seconds[seconds.size() * 99 / 100], seconds.back()};
}

// A made-up but plausible game: both secrets, moves of both sides alternating, an outcome.
struct Player {
    duel::RandomFractions random;
    duel::CandidateList all{};
    int32_t count = duel::BuildCandidateList(all, [](int32_t) {});

    std::string Number() { return duel::NumberText(all[static_cast<size_t>(duel::DrawIndex(random.next(), count))]); }
};

// Writes one game; the wall time of every move and of the end go to the vectors given.
bool WriteGame(Journal& journal, Player& player, int moves, std::vector<double>* moveSeconds,
               std::vector<double>* endSeconds) {
    const std::string computer = player.Number();
    const std::string mine = player.Number();
    const auto id = journal.BeginGame({"2025-03-01 14:05:09", duel::GameMode::Typed, 0, computer, mine});
    if (!id) return false;
    for (int m = 0; m < moves; ++m) {
        const bool players = m % 2 == 0;
        const std::string guess = player.Number();
        const duel::Score answer = duel::ScoreGuess(guess, players ? computer : mine);
        const auto started = Clock::now();
        const bool written =
            journal.AddMove(*id, {players ? duel::Side::User : duel::Side::Computer, {guess, answer}, 10 * (m + 1)});
        if (moveSeconds != nullptr) moveSeconds->push_back(Since(started));
        if (!written) return false;
    }
    const double draw = player.random.next();
    const auto outcome = draw < 0.45  ? duel::Outcome::UserWon
                         : draw < 0.8 ? duel::Outcome::ComputerWon
                         : draw < 0.9 ? duel::Outcome::UserWonAfterComputer
                                      : duel::Outcome::Abandoned;
    const auto started = Clock::now();
    const bool ended = journal.EndGame(*id, {"2025-03-01 14:09:00", outcome, (moves + 1) / 2, moves / 2, 10 * moves});
    if (endSeconds != nullptr) endSeconds->push_back(Since(started));
    return ended;
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path parent = argc > 1 ? argv[1] : std::filesystem::current_path();
    std::string pattern = (parent / "journal-benchmark-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "cannot make a folder in %s\n", parent.c_str());
        return 2;
    }
    const std::filesystem::path folder = pattern;
    Player player;
    int status = 0;

    {
        Journal journal = Journal::Open(folder / "moves.sqlite", "20250301-140509");
        std::vector<double> moveSeconds, endSeconds;
        bool written = journal.status() == duel::JournalStatus::Ready;
        for (int game = 0; game < 100 && written; ++game)
            written = WriteGame(journal, player, 20, &moveSeconds, &endSeconds);
        if (!written) {
            std::fprintf(stderr, "a write failed: %s\n", journal.error().c_str());
            status = 1;
        } else {
            const Spread spread = SpreadOf(moveSeconds);
            std::printf("one move written:     median %.3f ms, 99%% within %.3f ms, worst %.3f ms (%zu moves)\n",
                        1e3 * spread.median, 1e3 * spread.p99, 1e3 * spread.worst, moveSeconds.size());
            const Spread end = SpreadOf(endSeconds);
            std::printf("game ended (now and then a checkpoint): median %.3f ms, worst %.3f ms (%zu games)\n",
                        1e3 * end.median, 1e3 * end.worst, endSeconds.size());
        }
    }

    const std::filesystem::path big = folder / "games.sqlite";
    if (status == 0) {
        const auto started = Clock::now();
        Journal journal = Journal::Open(big, "20250301-140509");
        std::vector<double> genMoves, genEnds;
        bool written = journal.status() == duel::JournalStatus::Ready;
        for (int game = 0; game < 10'000 && written; ++game)
            written = WriteGame(journal, player, 10, &genMoves, &genEnds);
        if (!written) {
            std::fprintf(stderr, "a write failed: %s\n", journal.error().c_str());
            status = 1;
        } else {
            std::printf("10,000 games, 100,000 moves written one by one in %.1f s\n", Since(started));
            const Spread moves = SpreadOf(genMoves), ends = SpreadOf(genEnds);
            std::printf("  on the way: a move median %.3f ms, worst %.3f ms; an end median %.3f ms, worst %.3f ms\n",
                        1e3 * moves.median, 1e3 * moves.worst, 1e3 * ends.median, 1e3 * ends.worst);
        }
    }

    if (status == 0) {
        std::printf("journal file:         %.1f MB\n", static_cast<double>(std::filesystem::file_size(big)) / 1e6);
        std::vector<double> open, list, statistics, whole;
        size_t games = 0;
        for (int run = 0; run < 5; ++run) {
            const auto started = Clock::now();
            Journal journal = Journal::Open(big, "20250301-140509");
            open.push_back(Since(started));
            const auto listed = Clock::now();
            const auto played = journal.PlayedGames();
            list.push_back(Since(listed));
            if (!played) {
                std::fprintf(stderr, "the list could not be read: %s\n", journal.error().c_str());
                status = 1;
                break;
            }
            const auto summed = Clock::now();
            const auto figures = duel::ComputeStatistics(*played);
            statistics.push_back(Since(summed));
            whole.push_back(Since(started));
            games = static_cast<size_t>(figures.player.games);
        }
        if (status == 0) {
            auto print = [](const char* what, const std::vector<double>& seconds) {
                const Spread spread = SpreadOf(seconds);
                std::printf("%-21s median %.1f ms, worst %.1f ms\n", what, 1e3 * spread.median, 1e3 * spread.worst);
            };
            std::printf("over %zu played games, 5 runs:\n", games);
            print("  open and check:", open);
            print("  list of games:", list);
            print("  statistics:", statistics);
            print("  all three:", whole);
        }
    }

    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return status;
}
