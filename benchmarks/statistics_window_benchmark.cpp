// How long the statistics window takes to be shown over a journal of 10,000 games with 100,000 moves.
//
//   statistics_window_benchmark [FOLDER]
//       makes the journal in a new folder inside FOLDER (default: the current
//       folder, so that it is on the disk the game would use), written in one
//       transaction; then, six times, opens the journal as the game does at its
//       start, and builds, loads and shows the statistics window up to its
//       first painting of the chart and the list (the first run warms the
//       caches and is left out).  Prints, never asserts: the journal's opening
//       and the window's time to shown, median and worst.  The window runs on
//       the display Qt is given (QT_QPA_PLATFORM; offscreen when none is set).
#include "journal/journal.h"
#include "journal/journal_schema.h"
#include "platform/null_platform.h"
#include "rules/number_rules.h"
#include "rules/random_fractions.h"
#include "tests/support/offscreen_app.h"
#include "windows/host_window.h"
#include "windows/statistics_window.h"

#include <QApplication>
#include <QTableView>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point started) {
    return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
}

// A main window that is not there: the statistics window stands at a fixed place.
class BenchHost final : public duel::HostWindow {
public:
    QWidget* ownerWidget() override { return nullptr; }
    QRect frameRect() const override { return {400, 200, 300, 240}; }
    QRect clientRect() const override { return {404, 226, 290, 185}; }
    QIcon icon() const override { return {}; }
    void Refresh() override {}
};

// Counts the paintings of the widgets it watches.
class PaintWatch final : public QObject {
public:
    int painted = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++painted;
        return false;
    }
};

// 10,000 plausible games of 10 moves each, their outcomes mixed, in one transaction.
bool WriteJournal(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) return false;
    bool written = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) == SQLITE_OK &&
                   sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK &&
                   sqlite3_exec(db, duel::kSchema, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt* game = nullptr;
    sqlite3_stmt* move = nullptr;
    written =
        written &&
        sqlite3_prepare_v2(db,
                           "INSERT INTO games(id, started, ended, mode, strength, outcome, player_tries, "
                           "computer_tries, seconds, computer_number, player_number) "
                           "VALUES(?1, '2025-03-01 14:05:09', '2025-03-01 14:09:00', ?2, ?3, ?4, 5, 5, ?5, ?6, ?7)",
                           -1, &game, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "INSERT INTO moves VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)", -1, &move, nullptr) == SQLITE_OK;
    duel::RandomFractions random;
    duel::CandidateList all{};
    const int32_t count = duel::BuildCandidateList(all, [](int32_t) {});
    auto number = [&] { return duel::NumberText(all[static_cast<size_t>(duel::DrawIndex(random.next(), count))]); };
    for (int id = 1; id <= 10'000 && written; ++id) {
        const std::string computer = number();
        const std::string mine = number();
        const double draw = random.next();
        const int outcome = draw < 0.45 ? 1 : draw < 0.8 ? 2 : draw < 0.9 ? 3 : 5;
        sqlite3_bind_int(game, 1, id);
        sqlite3_bind_int(game, 2, id % 3 == 0 ? 1 : 0);
        sqlite3_bind_int(game, 3, id % 4 == 0 ? 1 : 0);
        sqlite3_bind_int(game, 4, outcome);
        sqlite3_bind_int(game, 5, 60 + id % 300);
        sqlite3_bind_text(game, 6, computer.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(game, 7, mine.c_str(), -1, SQLITE_TRANSIENT);
        written = sqlite3_step(game) == SQLITE_DONE && sqlite3_reset(game) == SQLITE_OK;
        for (int m = 0; m < 10 && written; ++m) {
            const bool players = m % 2 == 0;
            const std::string guess = number();
            const duel::Score answer = duel::ScoreGuess(guess, players ? computer : mine);
            sqlite3_bind_int(move, 1, id);
            sqlite3_bind_int(move, 2, m + 1);
            sqlite3_bind_int(move, 3, players ? 0 : 1);
            sqlite3_bind_text(move, 4, guess.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(move, 5, answer.exact);
            sqlite3_bind_int(move, 6, answer.partial);
            sqlite3_bind_int(move, 7, 10 * (m + 1));
            written = sqlite3_step(move) == SQLITE_DONE && sqlite3_reset(move) == SQLITE_OK;
        }
    }
    sqlite3_finalize(game);
    sqlite3_finalize(move);
    written = written && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return written;
}

void Print(const char* what, std::vector<double> milliseconds) {
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%-32s median %6.1f ms, worst %6.1f ms\n", what, milliseconds[milliseconds.size() / 2],
                milliseconds.back());
}

}  // namespace

int main(int argc, char** argv) {
    duel::testing::UseQuietOffscreenPlatform();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const std::filesystem::path parent = argc > 1 ? argv[1] : std::filesystem::current_path();
    std::string pattern = (parent / "statistics-benchmark-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "cannot make a folder in %s\n", parent.c_str());
        return 2;
    }
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / "journal.sqlite";
    int status = 0;
    if (!WriteJournal(file)) {
        std::fprintf(stderr, "the journal could not be written in %s\n", folder.c_str());
        status = 1;
    }

    std::vector<double> opened, shown, loaded;
    duel::NullPlatform platform;
    BenchHost host;
    for (int run = 0; run < 6 && status == 0; ++run) {
        Clock::time_point started = Clock::now();
        duel::Journal journal = duel::Journal::Open(file, "20250301-140509");
        const double openMs = MillisecondsSince(started);
        if (journal.status() != duel::JournalStatus::Ready) {
            std::fprintf(stderr, "the journal did not open: %s\n", journal.error().c_str());
            status = 1;
            break;
        }

        started = Clock::now();
        duel::StatisticsWindow window(&journal, QString(), platform, host);
        window.Form_Load();
        const double loadMs = MillisecondsSince(started);
        PaintWatch watch;
        auto* chart = window.findChild<QWidget*>(QStringLiteral("chartWins"));
        auto* list = window.findChild<QTableView*>(QStringLiteral("tblGames"));
        chart->installEventFilter(&watch);
        list->viewport()->installEventFilter(&watch);
        window.show();
        while (watch.painted < 2 && MillisecondsSince(started) < 10'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double shownMs = MillisecondsSince(started);
        if (watch.painted < 2) {
            std::fprintf(stderr, "the window was not painted within 10 s\n");
            status = 1;
        }
        if (list->model()->rowCount() != 10'000) {
            std::fprintf(stderr, "the list holds %d games, not 10,000\n", list->model()->rowCount());
            status = 1;
        }
        window.close();
        QCoreApplication::processEvents();
        if (run == 0) continue;  // caches warmed
        opened.push_back(openMs);
        loaded.push_back(loadMs);
        shown.push_back(shownMs);
    }

    if (status == 0) {
        std::printf("journal of 10,000 games, 100,000 moves: %.1f MB; 5 runs, on the %s display\n",
                    static_cast<double>(std::filesystem::file_size(file)) / 1e6,
                    qPrintable(QGuiApplication::platformName()));
        Print("the journal opened and checked:", opened);
        Print("statistics window read:", loaded);
        Print("statistics window shown:", shown);
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return status;
}
