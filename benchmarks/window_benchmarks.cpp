// Benchmarks through the real windows (offscreen): New game up to the number prompt, the computer's move.
//
// Pending events really run after every number, as in the program, so these
// figures include the timers that tick and the painting of the thinking window.
#include "main_window/main_window.h"
#include "real_events_platform.h"
#include "rules/game_state.h"
#include "rules/number_rules.h"
#include "session/session.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace duel::bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// One started program: its folder, state, platform and main window.
struct Program {
    QTemporaryDir folder;
    RealEventsPlatform platform{folder.path()};
    Session session{platform};
    GameState& state = session.state();
    std::unique_ptr<MainWindow> window;

    Program() {
        window = std::make_unique<MainWindow>(session);
        window->Form_Load();
    }
    ~Program() { window->close(); }
};

// From the click on "Новая игра" to the moment the number prompt opens: the
// list of 3024 numbers built with events run after each of the 8889 numbers
// tried, the thinking window shown and closed, the secret drawn.
void BM_NewGameToNumberPrompt(benchmark::State& state) {
    Program program;
    Clock::time_point prompted;
    program.platform.onInputBox = [&] { prompted = Clock::now(); };
    for (auto _ : state) {
        const Clock::time_point clicked = Clock::now();
        program.window->mnuGameNew_Click();
        state.SetIterationTime(SecondsBetween(clicked, prompted));
    }
    if (program.session.computer().candidateCount() != kAllNumbers) state.SkipWithError("the list is not complete");
    if (program.platform.unexpectedBoxes != 0) state.SkipWithError("a dialog interrupted New game");
}
BENCHMARK(BM_NewGameToNumberPrompt)->UseManualTime()->Unit(benchmark::kMillisecond);

// The computer's first move of a game: all 3024 candidates filtered against
// the automatic answer, events run before each one, the thinking window shown.
// Only the click on the computer's move button is timed; each iteration starts
// a new game and makes the user's move first.
void BM_ComputerFirstMove(benchmark::State& state) {
    Program program;
    MainWindow& window = *program.window;
    int64_t kept = 0;
    for (auto _ : state) {
        // A game whose first computer guess is not already the user's number
        // (that would be the computer's win, not a filter).
        do {
            window.mnuGameNew_Click();
            program.state.composedGuess = program.state.compNumber == "5678" ? "5679" : "5678";
            window.кнпСчитать_Click();
        } while (program.state.compGuess == program.platform.numberToType.toStdString());
        if (program.session.computer().candidateCount() != kAllNumbers) {
            state.SkipWithError("the computer's move did not start from the full list");
            break;
        }
        const Clock::time_point clicked = Clock::now();
        window.кнпДумать_Click();
        state.SetIterationTime(SecondsBetween(clicked, Clock::now()));
        kept += program.session.computer().candidateCount();
    }
    if (state.iterations() > 0)
        state.counters["kept_mean"] = static_cast<double>(kept) / static_cast<double>(state.iterations());
    if (program.platform.unexpectedBoxes != 0) state.SkipWithError("a dialog interrupted the game");
}
BENCHMARK(BM_ComputerFirstMove)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace duel::bench
