// Benchmarks of a won picture on the screen: from the win to the viewer shown, against decoding alone; memory over many
// wins.
#include "gallery/gallery_sets.h"
#include "gallery/pack_set.h"
#include "main_window/main_window.h"
#include "platform/null_platform.h"
#include "rules/game_state.h"
#include "rules/number_rules.h"
#include "session/session.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace duel::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A 4000 x 3000 photograph-like JPEG: gradients and rings, so that the
// decoder has real work, as with a camera picture.
std::string BigJpeg() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor(30, 80, 160));
    sky.setColorAt(1, QColor(240, 190, 120));
    painter.fillRect(image.rect(), sky);
    for (int r = 100; r < 3000; r += 37) {
        painter.setPen(QPen(QColor((r * 7) % 256, (r * 13) % 256, (r * 3) % 256), 9));
        painter.drawEllipse(QPoint(2000, 1500), r, r * 3 / 4);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes.toStdString();
}

// Shows each modal window, lets it paint, notes the moment, and closes it.
class ViewerPlatform final : public NullPlatform {
public:
    explicit ViewerPlatform(QString folder) : folder_(std::move(folder)) {}
    Clock::time_point shown;
    int viewers = 0;
    void showModal(QDialog& window) override {
        window.show();
        QCoreApplication::processEvents();  // painted
        shown = Clock::now();
        ++viewers;
        window.close();
    }
    QString programFolder() override { return folder_; }
    QString userConfigFolder() override { return folder_ + QStringLiteral("/config"); }
    QSize screenSize() override { return {1920, 1080}; }

private:
    QString folder_;
};

// A started program whose folder holds a one-picture set "Тесса Куорин", chosen.
struct Program {
    QTemporaryDir folder;
    ViewerPlatform platform{folder.path()};
    Session session{platform};
    GameState& state = session.state();
    std::unique_ptr<MainWindow> window;
    std::string picture = BigJpeg();

    Program() {
        auto packed = PackPictures({picture});
        WritePackedSet(std::filesystem::path(folder.path().toStdString()) / "TessaQuorin", packed.value);
        QFile file(folder.path() + QStringLiteral("/alone.jpg"));
        file.open(QIODevice::WriteOnly);
        file.write(picture.data(), static_cast<qint64>(picture.size()));
        window = std::make_unique<MainWindow>(session);
        window->Form_Load();
        state.galleryItem = 2;  // the first set
    }
    ~Program() { window->close(); }

    // One won game's picture: extracted, written, decoded, shown, closed.
    bool Win() {
        state.beautyPicture = 1;
        const int before = platform.viewers;
        session.prize().GiveWonPicture();
        return platform.viewers == before + 1;
    }
};

Program& SharedProgram() {
    static Program program;
    return program;
}

// The floor: decoding the same JPEG file alone.
void BM_DecodeJpegAlone(benchmark::State& state) {
    Program& program = SharedProgram();
    const QString file = program.folder.path() + QStringLiteral("/alone.jpg");
    for (auto _ : state) {
        QImageReader reader(file);
        QImage image = reader.read();
        if (image.isNull()) state.SkipWithError("the picture did not decode");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DecodeJpegAlone)->Unit(benchmark::kMillisecond);

// From the win (rezwin) to the viewer painted on the screen, 4000 x 3000 JPEG.
void BM_WinToViewerShown(benchmark::State& state) {
    Program& program = SharedProgram();
    for (auto _ : state) {
        const Clock::time_point won = Clock::now();
        if (!program.Win()) state.SkipWithError("no viewer was shown");
        state.SetIterationTime(std::chrono::duration<double>(program.platform.shown - won).count());
    }
}
BENCHMARK(BM_WinToViewerShown)->UseManualTime()->Unit(benchmark::kMillisecond);

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Fifty wins in a row, each opening and closing the viewer: resident memory
// after the first and after the fiftieth (printed as counters, in kB).
void BM_FiftyWinsResidentMemory(benchmark::State& state) {
    Program& program = SharedProgram();
    for (auto _ : state) {
        program.Win();
        const long first = ResidentKb();
        for (int win = 2; win <= 50; ++win) program.Win();
        const long fiftieth = ResidentKb();
        state.counters["rss_after_1st_kB"] = static_cast<double>(first);
        state.counters["rss_after_50th_kB"] = static_cast<double>(fiftieth);
        state.counters["rss_growth_kB"] = static_cast<double>(fiftieth - first);
    }
}
BENCHMARK(BM_FiftyWinsResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace duel::bench
