// Entry point of the benchmarks: one offscreen QApplication, then Google Benchmark's runner.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform warns about every raise(); keep the report readable.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (standardHandler) standardHandler(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    // The windows are measured without a display; set before QApplication reads it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(QuietOffscreenWarnings);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
