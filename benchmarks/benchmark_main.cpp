// Entry point of the benchmarks: one offscreen QApplication, then Google Benchmark's runner.
#include "tests/support/offscreen_app.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // The windows are measured without a display.
    duel::testing::UseQuietOffscreenPlatform();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
