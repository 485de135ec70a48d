// The journal of games in the windows: resuming through the menu, the statistics window, a data folder that cannot
// be written.
#include "journal/csv.h"
#include "journal/journal.h"
#include "platform/qt_platform.h"
#include "rules/number_rules.h"
#include "tests/support/csv_reader.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace duel::testing {
namespace {

class JournalWindowTest : public WindowTest {
protected:
    // A key pressed and let go on `target`, as the keyboard would.
    static void Press(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    void SetUp() override {
        ASSERT_TRUE(dataFolder.isValid());
        platform.userDataFolder = NativePath(dataFolder.path() + QStringLiteral("/shelvy-zlyki"));
        WindowTest::SetUp();
        OpenJournal();
    }
    // The journal opens once the window's events run.
    static void OpenJournal() { QCoreApplication::processEvents(); }
    // A new run of the program after the last one ended with a game running.
    void Restart() {
        StartProgram();
        OpenJournal();
    }
    // The user's move with `digits`; the computer's guess is drawn at `pick`.
    void Guess(const char* digits, double pick = 0.0) {
        platform.fractions = {pick};
        state().composedGuess = digits;
        window->кнпСчитать_Click();
    }
    QAction* action(const char* name) const { return find<QAction>(QString::fromUtf8(name)); }
    // Opens the statistics window from the menu and runs `inside` while it is shown.
    void OpenStatistics(std::function<void(QDialog&)> inside) {
        bool ran = false;
        platform.modalScripts.push_back([&](QDialog& dialog) {
            ran = true;
            inside(dialog);
        });
        action("mnuGameStatistics")->trigger();
        EXPECT_TRUE(ran);
    }
    QString cell(const char* table, int row, int column) const {
        const auto* view = find<QTableView>(QString::fromUtf8(table));
        return view->model()->index(row, column).data().toString();
    }
    int rows(const char* table) const { return find<QTableView>(QString::fromUtf8(table))->model()->rowCount(); }
    QString text(const char* label) const { return find<QLabel>(QString::fromUtf8(label))->text(); }

    QTemporaryDir dataFolder;
};

// New game with a game of an earlier run waiting asks once: Отмена does nothing, Да takes it up, Нет gives it up for
// a new game; with nothing waiting New game asks nothing.  The status bar says that a game waits.
TEST_F(JournalWindowTest, NewGameAsksAboutTheGameThatWaits) {
    StartGame(QStringLiteral("5678"));  // the secret is 1234
    EXPECT_EQ(platform.boxes.size(), 0u) << "nothing waited, nothing was asked";
    Guess("5679");
    window->кнпДумать_Click();
    Restart();
    platform.inputPrompts.clear();
    EXPECT_EQ(hintPanel(), "Есть прерванная игра: 'Игра' --> 'Продолжить прошлую игру'");
    // Wider than the panel: it ends in "…" there and shows whole as the tooltip.
    auto* panel = find<QLabel>(QStringLiteral("StatusBarPanel1"));
    ASSERT_LT(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(panel->text()));
    QHelpEvent tip(QEvent::ToolTip, panel->rect().center(), panel->mapToGlobal(panel->rect().center()));
    QApplication::sendEvent(panel, &tip);
    QTextDocument tipRead;  // as the tooltip reads it: escaped, so as written
    tipRead.setHtml(QToolTip::text());
    EXPECT_EQ(tipRead.toPlainText(), panel->text());
    QToolTip::hideText();

    const auto askedAbout = [this] {
        const std::vector<QString> texts = platform.boxTexts();
        return !texts.empty() && texts.back() == "Продолжить прерванную игру от 01.03.2025 10:00?" &&
               platform.boxes.back().buttons == MsgButtons::YesNoCancel;
    };
    platform.answers = {MsgAnswer::Cancel};
    window->mnuGameNew_Click();
    EXPECT_TRUE(askedAbout());
    EXPECT_EQ(state().phase, Phase::NoGame);
    EXPECT_TRUE(platform.inputPrompts.empty());
    EXPECT_TRUE(action("mnuGameResume")->isEnabled());

    platform.answers = {MsgAnswer::Yes};
    window->mnuGameNew_Click();
    EXPECT_TRUE(askedAbout());
    EXPECT_EQ(state().userMoves.size(), 1u);  // the game of the earlier run goes on
    EXPECT_EQ(state().phase, Phase::UserToMove);
    EXPECT_EQ(hintPanel(), "");

    Restart();  // it waits again
    platform.boxes.clear();
    platform.answers = {MsgAnswer::No};
    StartGame(QStringLiteral("5678"));
    EXPECT_TRUE(askedAbout());
    EXPECT_TRUE(state().userMoves.empty());  // a new game
    EXPECT_EQ(state().phase, Phase::UserToMove);
    EXPECT_FALSE(action("mnuGameResume")->isEnabled());
    Journal journal = Journal::Open(platform.userDataFolder / "journal.sqlite", "20250301-100000");
    const auto played = journal.PlayedGames();
    ASSERT_TRUE(played && !played->empty());
    EXPECT_EQ(played->back().outcome, Outcome::Abandoned);  // the oldest game, given up
}

TEST_F(JournalWindowTest, AGameLeftRunningComesBackThroughTheMenuWithItsHistory) {
    QAction* resume = action("mnuGameResume");
    ASSERT_NE(resume, nullptr);
    EXPECT_EQ(resume->text(), QStringLiteral("&Продолжить прошлую игру"));
    const QList<QAction*> items = find<QMenu>(QStringLiteral("mnuGame"))->actions();
    EXPECT_EQ(items.indexOf(resume), items.indexOf(action("mnuGameNew")) + 1);
    EXPECT_FALSE(resume->isEnabled());

    StartGame(QStringLiteral("5678"));  // the secret is 1234
    Guess("5679");
    window->кнпДумать_Click();
    Guess("6789");
    ASSERT_EQ(state().phase, Phase::ComputerToMove);
    EXPECT_FALSE(resume->isEnabled());
    const QStringList lines = historyLines();
    ASSERT_EQ(lines.size(), 2);

    Restart();  // the window closed with the game running: it stays unfinished
    resume = action("mnuGameResume");
    EXPECT_TRUE(resume->isEnabled());
    EXPECT_TRUE(historyLines().isEmpty());
    resume->trigger();
    EXPECT_EQ(historyLines(), lines);
    EXPECT_EQ(state().phase, Phase::ComputerToMove);
    EXPECT_FALSE(hidden("кнпДумать"));
    EXPECT_FALSE(resume->isEnabled());
    window->кнпДумать_Click();
    Guess("1234");  // the game ends as any other
    EXPECT_EQ(state().phase, Phase::GameOver);
    EXPECT_FALSE(resume->isEnabled());
}

TEST_F(JournalWindowTest, TheStatisticsWindowListsTheGamesShowsTheirMovesAndExportsThem) {
    EXPECT_EQ(action("mnuGameStatistics")->text(), QStringLiteral("&Статистика ..."));
    StartGame(QStringLiteral("5678"));
    Guess("5679");
    window->кнпДумать_Click();
    Guess("1234");  // won in 2
    StartGame(QStringLiteral("5678"));
    Guess("6789");
    StartGame(QStringLiteral("5678"));  // the second game is abandoned, the third runs and is not listed

    const QString csvPath = dataFolder.path() + QStringLiteral("/list");
    platform.boxes.clear();
    OpenStatistics([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("frmStatistics"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Статистика"));
        EXPECT_TRUE(find<QLabel>(QStringLiteral("lblJournalStatus"))->isHidden());
        EXPECT_EQ(text("lblPlayerGames"), "2");
        EXPECT_EQ(text("lblPlayerWins"), "1");
        EXPECT_EQ(text("lblPlayerWinShare"), "50 %");
        EXPECT_EQ(text("lblPlayerFewestTries"), "2");
        EXPECT_EQ(text("lblComputerWins"), "0");
        EXPECT_EQ(text("lblComputerMeanTries"), "—");
        // A screen reader reads each figure with its heading.
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblPlayerGames"))->accessibleName(), QStringLiteral("Игр, вы: 2"));
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblComputerMeanTries"))->accessibleName(),
                  QStringLiteral("Ходов до победы, в среднем, компьютер: —"));
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblTimePlayed"))->accessibleName(),
                  QStringLiteral("Время в игре, против компьютера: ") + text("lblTimePlayed"));
        EXPECT_EQ(find<QWidget>(QStringLiteral("chartWins"))->accessibleDescription(),
                  QStringLiteral("Вы: 2 хода — 1 победа. Компьютер: побед нет."));

        ASSERT_EQ(rows("tblGames"), 2);
        // The opponent's columns name both kinds of game.
        const QStringList headers = {"Дата",
                                     "Режим",
                                     "Итог",
                                     "Ваших ходов",
                                     "Ходов компьютера / соперника",
                                     "Время",
                                     "Ваше число",
                                     "Число компьютера / соперника"};
        for (int column = 0; column < headers.size(); ++column)
            EXPECT_EQ(find<QTableView>(QStringLiteral("tblGames"))->model()->headerData(column, Qt::Horizontal),
                      headers[column]);
        EXPECT_EQ(cell("tblGames", 0, 2), QStringLiteral("брошена"));
        EXPECT_EQ(cell("tblGames", 1, 0), QStringLiteral("01.03.2025 10:00"));
        EXPECT_EQ(cell("tblGames", 1, 1), QStringLiteral("число открыто"));
        EXPECT_EQ(cell("tblGames", 1, 2), QStringLiteral("ваша победа"));
        EXPECT_EQ(cell("tblGames", 1, 3), QStringLiteral("2"));
        EXPECT_EQ(cell("tblGames", 1, 4), QStringLiteral("1"));
        EXPECT_EQ(cell("tblGames", 1, 6), QStringLiteral("5678"));
        EXPECT_EQ(cell("tblGames", 1, 7), QStringLiteral("1234"));
        EXPECT_TRUE(find<QTableView>(QStringLiteral("tblGames"))->isColumnHidden(8));  // no duel over the network

        // The newest game is chosen at first; choosing the other shows its moves.
        EXPECT_EQ(rows("tblMoves"), 1);
        find<QTableView>(QStringLiteral("tblGames"))->selectRow(1);
        ASSERT_EQ(rows("tblMoves"), 3);
        EXPECT_EQ(cell("tblMoves", 0, 1), QStringLiteral("Вы"));
        EXPECT_EQ(cell("tblMoves", 0, 2), QStringLiteral("5679"));
        EXPECT_EQ(cell("tblMoves", 0, 3), QStringLiteral("0"));
        EXPECT_EQ(cell("tblMoves", 1, 1), QStringLiteral("Компьютер"));
        EXPECT_EQ(cell("tblMoves", 2, 2), QStringLiteral("1234"));
        EXPECT_EQ(cell("tblMoves", 2, 4), QStringLiteral("4"));

        // Cancel writes nothing; a chosen name gets its .csv; a folder that is not there is reported.
        auto* exportButton = find<QPushButton>(QStringLiteral("cmdExport"));
        exportButton->click();
        EXPECT_TRUE(QDir(dataFolder.path()).entryList({QStringLiteral("*.csv")}).isEmpty());
        platform.saveNames = {csvPath, dataFolder.path() + QStringLiteral("/missing/list.csv")};
        exportButton->click();
        EXPECT_TRUE(platform.boxes.empty());
        exportButton->click();
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(platform.boxes[0].text.startsWith(QStringLiteral("Не удалось записать список игр в файл")));
    });

    QFile written(csvPath + QStringLiteral(".csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const auto read = ReadCsv(written.readAll().toStdString());
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), 3u);
    EXPECT_EQ((*read)[0], (CsvRow{"Дата", "Режим", "Итог", "Ваших ходов", "Ходов компьютера / соперника", "Время",
                                  "Ваше число", "Число компьютера / соперника", "Соперник"}));
    EXPECT_EQ((*read)[2],
              (CsvRow{"01.03.2025 10:00", "число открыто", "ваша победа", "2", "1", "00:00", "5678", "1234", ""}));
}

TEST_F(JournalWindowTest, WithADataFolderThatCannotBeMadeTheGamePlaysOnAndSaysSoOnce) {
    QFile blocker(dataFolder.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform.userDataFolder = NativePath(blocker.fileName() + QStringLiteral("/shelvy-zlyki"));
    platform.boxes.clear();
    Restart();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Журнал игр недоступен: в папку «%1» нельзя писать. Игра "
                                                     "продолжается без журнала.")
                                          .arg(blocker.fileName() + QStringLiteral("/shelvy-zlyki")));
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);

    StartGame(QStringLiteral("5678"));
    Guess("5679");
    window->кнпДумать_Click();
    Guess("1234");
    QCoreApplication::processEvents();
    EXPECT_EQ(state().phase, Phase::GameOver);
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_FALSE(action("mnuGameResume")->isEnabled());

    OpenStatistics([&](QDialog&) {
        EXPECT_FALSE(find<QLabel>(QStringLiteral("lblJournalStatus"))->isHidden());
        EXPECT_TRUE(text("lblJournalStatus").startsWith(QStringLiteral("Журнал игр недоступен")));
        EXPECT_EQ(rows("tblGames"), 0);
        EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdExport"))->isEnabled());
    });
}

// The lesson of the chosen game: both numbers, and for each of the player's
// moves how many numbers fitted, whether it could be the number and how well
// it split them; one line sums it up.
TEST_F(JournalWindowTest, TheMovesOfAGameShowBothNumbersAndTheirLesson) {
    StartGame(QStringLiteral("5678"));  // the secret is 1234
    Guess("5679");
    window->кнпДумать_Click();
    Guess("1325");  // one digit in its place, two elsewhere
    window->кнпДумать_Click();
    Guess("1234");
    ASSERT_EQ(state().phase, Phase::GameOver);
    OpenStatistics([&](QDialog&) {
        EXPECT_EQ(text("lblNumbers"), QStringLiteral("Компьютер загадал число 1234. Ваше число: 5678."));
        ASSERT_EQ(rows("tblMoves"), 5);
        EXPECT_EQ(cell("tblMoves", 0, 0), QStringLiteral("1"));
        EXPECT_EQ(cell("tblMoves", 1, 0), QStringLiteral("1"));  // the computer's first move
        EXPECT_EQ(cell("tblMoves", 2, 0), QStringLiteral("2"));
        EXPECT_EQ(cell("tblMoves", 2, 2), QStringLiteral("1325"));
        EXPECT_EQ(cell("tblMoves", 2, 3), QStringLiteral("2"));  // "Шелвы"
        EXPECT_EQ(cell("tblMoves", 2, 4), QStringLiteral("1"));  // "Злыки"
        EXPECT_EQ(cell("tblMoves", 0, 6), QStringLiteral("3024 → 120"));
        EXPECT_EQ(cell("tblMoves", 0, 7), QStringLiteral("да"));
        EXPECT_TRUE(cell("tblMoves", 0, 8).startsWith(QStringLiteral("в среднем ")));
        EXPECT_EQ(cell("tblMoves", 1, 6), QString());  // the computer's move has no lesson
        EXPECT_EQ(cell("tblMoves", 4, 6), QStringLiteral("18 → 1"));
        EXPECT_EQ(text("lblLesson").left(22), QStringLiteral("Не могли быть числом: "));
    });
}

// The keyboard: Tab goes from the games list to the moves list, the two
// buttons and the chart, never cell by cell and never choosing another game;
// the buttons have their letters; Escape closes the window.
TEST_F(JournalWindowTest, TheStatisticsWindowWorksFromTheKeyboard) {
    for (int game = 0; game < 3; ++game) {
        StartGame(QStringLiteral("5678"));
        Guess("1234");
    }
    OpenStatistics([&](QDialog& dialog) {
        EXPECT_EQ(find<QPushButton>(QStringLiteral("cmdExport"))->text(), QStringLiteral("&Экспорт ..."));
        EXPECT_EQ(find<QPushButton>(QStringLiteral("cmdClose"))->text(), QStringLiteral("&Закрыть"));
        auto* games = find<QTableView>(QStringLiteral("tblGames"));
        EXPECT_FALSE(games->tabKeyNavigation());
        EXPECT_FALSE(find<QTableView>(QStringLiteral("tblMoves"))->tabKeyNavigation());
        dialog.activateWindow();
        QApplication::processEvents();
        if (!dialog.isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
        games->setFocus();
        const QStringList chain = {"tblMoves", "cmdExport", "cmdClose", "chartWins", "tblGames"};
        for (const QString& next : chain) {
            Press(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
        }
        EXPECT_EQ(games->currentIndex().row(), 0);  // Tab chose no other game
        Press(games, Qt::Key_Down);                 // the arrows do
        EXPECT_EQ(games->currentIndex().row(), 1);
        Press(games, Qt::Key_End);  // and Home and End, to the last game and the first
        EXPECT_EQ(games->currentIndex().row(), 2);
        Press(games, Qt::Key_Home);
        EXPECT_EQ(games->currentIndex().row(), 0);
        // Enter on the focused "&Экспорт ..." exports (here: the dialog, cancelled); it does not close the window.
        auto* exportButton = find<QPushButton>(QStringLiteral("cmdExport"));
        exportButton->setFocus();
        Press(exportButton, Qt::Key_Return);
        EXPECT_EQ(platform.saveDialogs.size(), 1u);
        EXPECT_TRUE(dialog.isVisible());
        Press(games, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
}

// The window opens over the main window and whole within the screen: on a
// screen of 640 by 512 logical pixels (1280 by 1024 at scale 2) it is cut to
// the screen and can be made smaller still, its lists scrolling.
TEST_F(JournalWindowTest, TheStatisticsWindowFitsTheScreen) {
    for (int game = 0; game < 20; ++game) {
        StartGame(QStringLiteral("5678"));
        Guess("1234");
    }
    for (const QSize screen : {QSize(1280, 1024), QSize(640, 512)}) {
        platform.screen = screen;
        OpenStatistics([&](QDialog& dialog) {
            const QRect frame = dialog.frameGeometry();
            EXPECT_TRUE(QRect(QPoint(0, 0), screen).contains(frame)) << screen.width();
            EXPECT_LE(dialog.minimumWidth(), 480);
            EXPECT_LE(dialog.minimumHeight(), 360);
            EXPECT_FALSE(dialog.sizePolicy().horizontalPolicy() == QSizePolicy::Fixed);
            // Centred over the main window, unless that would leave the screen's available area.
            QRect area(QPoint(0, 0), screen);
            if (dialog.screen() != nullptr) area &= dialog.screen()->availableGeometry();
            EXPECT_TRUE(area.contains(frame));
            const QPoint centre = window->frameGeometry().center();
            EXPECT_TRUE(std::abs(frame.center().x() - centre.x()) <= 1 || frame.left() == area.left() ||
                        frame.right() == area.right());
            EXPECT_TRUE(std::abs(frame.center().y() - centre.y()) <= 1 || frame.top() == area.top() ||
                        frame.bottom() == area.bottom());
        });
    }
}

// On a screen of 640 by 512 logical pixels (1280 by 1024 at scale 2), with
// duels over the network in the journal (four columns of figures): the chart
// is whole in the page, each list shows its rows up to five, and the row the
// keyboard moves to in either list, and the chart when Tab comes to it, are
// always in sight, the page scrolling after them.
TEST_F(JournalWindowTest, TheStatisticsWindowOnASmallScreenKeepsTheFocusInSight) {
    {
        Journal journal = Journal::Open(NativePath(dataFolder.path() + QStringLiteral("/shelvy-zlyki/journal.sqlite")),
                                        "20250301-100000");
        const std::vector<std::string> guesses = {"5679", "1325", "2143", "9123", "1243", "2134", "4321", "1234"};
        for (int game = 0; game < 4; ++game) {
            const auto id = journal.BeginGame(
                {"2025-03-0" + std::to_string(game + 1) + " 10:00:00", GameMode::Typed, 0, "1234", "5678"});
            ASSERT_TRUE(id);
            for (size_t move = 0; move < guesses.size(); ++move) {
                ASSERT_TRUE(journal.AddMove(*id, {Side::User, {guesses[move], ScoreGuess(guesses[move], "1234")}, 0}));
                if (move + 1 < guesses.size()) {
                    ASSERT_TRUE(journal.AddMove(*id, {Side::Computer, {"9876", ScoreGuess("9876", "5678")}, 0}));
                }
            }
            ASSERT_TRUE(journal.EndGame(*id, {"2025-03-01 10:10:00", Outcome::UserWon, 8, 7, 60}));
        }
        GameBegin duel{"2025-03-05 09:00:00", GameMode::Network, 0, "", "5678"};
        duel.opponentName = "Пётр";
        const auto id = journal.BeginGame(duel, {});
        ASSERT_TRUE(id);
        ASSERT_TRUE(journal.EndGame(*id, {"2025-03-05 09:10:00", Outcome::OpponentForfeited, 3, 3, 90}));
    }
    platform.screen = QSize(640, 512);
    OpenStatistics([&](QDialog& dialog) {
        dialog.activateWindow();
        QApplication::processEvents();
        if (!dialog.isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
        auto* page = find<QScrollArea>(QStringLiteral("scrStatistics"));
        QWidget* seen = page->viewport();
        // The part of `widget` (its `rect`, all of it by default) that the page shows.
        const auto inSight = [&](QWidget* widget, QRect rect = {}) {
            if (rect.isNull()) rect = widget->rect();
            const QRect shown(widget->mapTo(seen, rect.topLeft()), rect.size());
            return seen->rect().contains(shown);
        };
        EXPECT_EQ(page->horizontalScrollBar()->maximum(), 0) << "the page scrolls sideways";
        auto* chart = find<QWidget>(QStringLiteral("frmChart"));
        EXPECT_LE(chart->width(), seen->width());
        EXPECT_GE(chart->width(), chart->minimumSizeHint().width());

        for (const char* name : {"tblGames", "tblMoves"}) {
            auto* list = find<QTableView>(QString::fromUtf8(name));
            const int rows = std::min(list->model()->rowCount(), 5);
            EXPECT_GE(list->viewport()->height(), rows * list->verticalHeader()->defaultSectionSize()) << name;
        }

        auto* games = find<QTableView>(QStringLiteral("tblGames"));
        EXPECT_TRUE(games->hasFocus());
        EXPECT_TRUE(inSight(games->viewport(), games->visualRect(games->currentIndex())));
        Press(games, Qt::Key_End);
        Press(games, Qt::Key_Tab);
        auto* moves = find<QTableView>(QStringLiteral("tblMoves"));
        ASSERT_TRUE(moves->hasFocus());
        ASSERT_EQ(moves->model()->rowCount(), 15);
        for (int row = 0; row < 15; ++row) {
            if (row > 0) Press(moves, Qt::Key_Down);
            QApplication::processEvents();
            EXPECT_EQ(moves->currentIndex().row(), row);
            EXPECT_TRUE(inSight(moves->viewport(), moves->visualRect(moves->currentIndex()))) << row;
        }
        for (int i = 0; i < 3; ++i) Press(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("chartWins"));
        EXPECT_TRUE(inSight(QApplication::focusWidget()));
    });
}

// The export to a disk that fills up: the file that was there stays as it
// was, and the player reads why in Russian; the name is shown as typed, never
// as markup; the dialog offers a dated name in the documents folder.
TEST_F(JournalWindowTest, AFailedExportSaysWhyAndLeavesTheFileAsItWas) {
    StartGame(QStringLiteral("5678"));
    Guess("1234");
    const QString target = dataFolder.path() + QStringLiteral("/<i>U.csv");  // as markup: an italic U.csv
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old list");
    }
    platform.boxes.clear();
    platform.saveNames = {target};
    platform.answers = {MsgAnswer::Yes};  // replace it
    OpenStatistics([&](QDialog&) {
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldSignal = signal(SIGXFSZ, SIG_IGN);
        rlimit full{100, old.rlim_max};  // a disk with room for 100 bytes of any file
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        find<QPushButton>(QStringLiteral("cmdExport"))->click();
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldSignal);
    });
    EXPECT_TRUE(platform.suggestedSaveName.endsWith(QStringLiteral("/shelvy-games-2025-03-01.csv")))
        << platform.suggestedSaveName.toStdString();
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Файл «<i>U.csv» уже существует. Заменить его ?"));
    EXPECT_EQ(platform.boxes[1].text, QStringLiteral("Не удалось записать список игр в файл «%1»: на диске не хватает "
                                                     "места.")
                                          .arg(target));
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old list"));
    EXPECT_EQ(QDir(dataFolder.path()).entryList(QDir::Files).size(), 1) << "a temporary file was left";
}

// Exporting over a file that is there asks with "Нет" as the default; "Нет"
// goes back to the dialog, offering the same name, and the list goes to the
// name chosen then; the status bar says where it went.
TEST_F(JournalWindowTest, AnExportOverAFileAsksAndNoGoesBackToTheDialog) {
    StartGame(QStringLiteral("5678"));
    Guess("1234");
    const QString kept = dataFolder.path() + QStringLiteral("/list.csv");
    const QString other = dataFolder.path() + QStringLiteral("/other.csv");
    {
        QFile old(kept);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old list");
    }
    platform.boxes.clear();
    platform.saveNames = {kept, other};
    platform.answers = {MsgAnswer::No};
    OpenStatistics([&](QDialog&) {
        auto* status = find<QLabel>(QStringLiteral("lblExportStatus"));
        ASSERT_NE(status, nullptr);
        EXPECT_FALSE(status->isVisibleTo(status->window()));  // nothing to tell yet
        find<QPushButton>(QStringLiteral("cmdExport"))->click();
        EXPECT_TRUE(status->isVisibleTo(status->window()));
        EXPECT_EQ(status->accessibleName(), QStringLiteral("Список игр записан в файл «%1».").arg(other));
        EXPECT_EQ(status->toolTip(), status->accessibleName());
    });
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Файл «list.csv» уже существует. Заменить его ?"));
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::YesNoDefaultNo);
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    EXPECT_EQ(platform.saveDialogs[1].suggested, kept);
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old list"));
    EXPECT_TRUE(QFileInfo::exists(other));
}

// Duels over the network, written into the journal as the network duel will
// write them: their own figures, the opponent named in the list, and a name
// that a spreadsheet would run written as text in the CSV.
TEST_F(JournalWindowTest, DuelsOverTheNetworkHaveTheirOwnFiguresAndNameTheOpponent) {
    {
        Journal journal = Journal::Open(NativePath(dataFolder.path() + QStringLiteral("/shelvy-zlyki/journal.sqlite")),
                                        "20250301-100000");
        // The opponent left before its reveal: its number was never known.
        GameBegin duel{"2025-03-01 09:00:00", GameMode::Network, 0, "", "5678"};
        duel.opponentName = "=cmd|' /C calc'!A0";
        duel.opponentAddress = "192.168.1.20";
        const auto id = journal.BeginGame(duel, {});
        ASSERT_TRUE(id);
        ASSERT_TRUE(journal.EndGame(*id, {"2025-03-01 09:10:00", Outcome::OpponentForfeited, 3, 3, 90}));
    }
    const QString csvPath = dataFolder.path() + QStringLiteral("/net.csv");
    platform.saveNames = {csvPath};
    OpenStatistics([&](QDialog&) {
        EXPECT_FALSE(find<QTableView>(QStringLiteral("tblGames"))->isColumnHidden(8));
        EXPECT_EQ(cell("tblGames", 0, 1), QStringLiteral("по сети"));
        EXPECT_EQ(cell("tblGames", 0, 2), QStringLiteral("ваша победа: соперник выбыл"));
        EXPECT_EQ(cell("tblGames", 0, 8), QStringLiteral("=cmd|' /C calc'!A0 (192.168.1.20)"));
        EXPECT_EQ(text("lblNetworkPlayerWins"), "1");
        EXPECT_EQ(text("lblNetworkOpponentWins"), "0");
        EXPECT_EQ(text("lblPlayerGames"), "0");  // against the computer: none
        EXPECT_EQ(text("lblNumbers"), QStringLiteral("Соперник не открыл своего числа. Ваше число: 5678."));
        EXPECT_FALSE(find<QLabel>(QStringLiteral("lblNetworkPlayerWins"))->isHidden());
        find<QPushButton>(QStringLiteral("cmdExport"))->click();
    });
    QFile written(csvPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const auto read = ReadCsv(written.readAll().toStdString());
    ASSERT_TRUE(read && read->size() == 2u);
    EXPECT_EQ((*read)[1][8], "'=cmd|' /C calc'!A0 (192.168.1.20)");
}

// The program's own dialogs (not the scripted ones): the save dialog offers
// the suggested folder and name and takes a name typed with double quotes as
// it was typed, in the dialog's folder; a message box shows a file name as
// typed, never as markup.
TEST(QtDialogs, TakeAndShowFileNamesAsTyped) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtPlatform desktop;
    QString offeredName;
    QString offeredFolder;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        offeredName = name->text();
        offeredFolder = dialog->directory().absolutePath();
        name->setText(QStringLiteral("say \"hi\".csv"));
        QMetaObject::invokeMethod(dialog, "accept");  // as its Save button does
    });
    const QString chosen = desktop.saveFileName(nullptr, QStringLiteral("Экспорт"), QStringLiteral("CSV (*.csv)"),
                                                folder.path() + QStringLiteral("/shelvy-games-2025-03-01.csv"));
    EXPECT_EQ(offeredName, QStringLiteral("shelvy-games-2025-03-01.csv"));
    EXPECT_EQ(offeredFolder, QDir(folder.path()).absolutePath());
    EXPECT_EQ(chosen, QDir(folder.path()).absoluteFilePath(QStringLiteral("say \"hi\".csv")));

    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        box->accept();
    });
    desktop.messageBox(nullptr, QStringLiteral("Файл «<i>U.csv» уже существует."), QStringLiteral("t"),
                       MsgIcon::Exclamation, MsgButtons::Ok);
    EXPECT_EQ(format, Qt::PlainText);

    // The question whose Yes replaces a file: Enter answers No.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
    });
    EXPECT_EQ(desktop.messageBox(nullptr, QStringLiteral("Заменить?"), QStringLiteral("t"), MsgIcon::None,
                                 MsgButtons::YesNoDefaultNo),
              MsgAnswer::No);
}

}  // namespace
}  // namespace duel::testing
