// The journal of games in the windows: resuming through the menu, the statistics window, a data folder that cannot
// be written.
#include "journal/csv.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace duel::testing {
namespace {

class JournalWindowTest : public WindowTest {
protected:
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
        state = GameState{};
        StartProgram();
        OpenJournal();
    }
    // The user's move with `digits`; the computer's guess is drawn at `pick`.
    void Guess(const char* digits, double pick = 0.0) {
        platform.fractions = {pick};
        state.composedGuess = digits;
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
    ASSERT_EQ(state.phase, Phase::ComputerToMove);
    EXPECT_FALSE(resume->isEnabled());
    const QStringList lines = historyLines();
    ASSERT_EQ(lines.size(), 2);

    Restart();  // the window closed with the game running: it stays unfinished
    resume = action("mnuGameResume");
    EXPECT_TRUE(resume->isEnabled());
    EXPECT_TRUE(historyLines().isEmpty());
    resume->trigger();
    EXPECT_EQ(historyLines(), lines);
    EXPECT_EQ(state.phase, Phase::ComputerToMove);
    EXPECT_FALSE(hidden("кнпДумать"));
    EXPECT_FALSE(resume->isEnabled());
    window->кнпДумать_Click();
    Guess("1234");  // the game ends as any other
    EXPECT_EQ(state.phase, Phase::GameOver);
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
        EXPECT_EQ(find<QWidget>(QStringLiteral("chartWins"))->accessibleDescription(),
                  QStringLiteral("Вы: 2 хода — 1 победа. Компьютер: побед нет."));

        ASSERT_EQ(rows("tblGames"), 2);
        const QStringList headers = {
            "Дата", "Режим", "Итог", "Ваших ходов", "Ходов компьютера", "Время", "Ваше число", "Число компьютера"};
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
    EXPECT_EQ((*read)[0], (CsvRow{"Дата", "Режим", "Итог", "Ваших ходов", "Ходов компьютера", "Время", "Ваше число",
                                  "Число компьютера", "Соперник"}));
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
    EXPECT_EQ(state.phase, Phase::GameOver);
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_FALSE(action("mnuGameResume")->isEnabled());

    OpenStatistics([&](QDialog&) {
        EXPECT_FALSE(find<QLabel>(QStringLiteral("lblJournalStatus"))->isHidden());
        EXPECT_TRUE(text("lblJournalStatus").startsWith(QStringLiteral("Журнал игр недоступен")));
        EXPECT_EQ(rows("tblGames"), 0);
        EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdExport"))->isEnabled());
    });
}

}  // namespace
}  // namespace duel::testing
