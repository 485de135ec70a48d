// The hint in status panel 1 and the stronger opponent in the running program: the menu, the file, the games.
#include "main_window/status_panels.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace duel::testing {
namespace {

class PlayerOptions : public WindowTest {
protected:
    QAction* hintItem() const { return find<QAction>(QStringLiteral("mnuAddHint")); }
    QAction* strongItem() const { return find<QAction>(QStringLiteral("mnuAddStrong")); }
    QString optionsFile() const { return platform.configFolder + QStringLiteral("/options.ini"); }
    QString settingsFile() const { return platform.folder + QStringLiteral("/Шелвы и злыки.ini"); }

    // The program closed and started again with the same folders.
    void Restart() {
        window->close();
        StartProgram();
    }
    // The user's move with `digits`; the computer's guess is answered by the
    // scorer and its move made, so the user has the turn again.
    void Move(const char* digits) {
        state().composedGuess = digits;
        window->кнпСчитать_Click();
        window->кнпДумать_Click();
        ASSERT_EQ(state().phase, Phase::UserToMove);
    }
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(PlayerOptions, BothItemsFollowTheGalleryOffAndComeBackAfterARestart) {
    const QList<QAction*> items = find<QMenu>(QStringLiteral("mnuAdd"))->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items[1]->isSeparator());  // after К&расотка
    EXPECT_EQ(items[2], hintItem());
    EXPECT_EQ(items[3], strongItem());
    EXPECT_EQ(hintItem()->text(), "&Подсказка");
    EXPECT_EQ(strongItem()->text(), "&Сильный соперник");
    EXPECT_FALSE(hintItem()->isChecked() || strongItem()->isChecked());

    hintItem()->trigger();
    strongItem()->trigger();
    window->close();
    const QByteArray settingsWithBothOn = ReadFile(settingsFile());
    StartProgram();
    EXPECT_TRUE(hintItem()->isChecked() && strongItem()->isChecked());

    hintItem()->trigger();
    Restart();
    EXPECT_FALSE(hintItem()->isChecked());
    EXPECT_TRUE(strongItem()->isChecked());
    strongItem()->trigger();
    window->close();
    // The settings file keeps nothing of them.
    EXPECT_FALSE(settingsWithBothOn.isEmpty());
    EXPECT_EQ(ReadFile(settingsFile()), settingsWithBothOn);
}

TEST_F(PlayerOptions, ADamagedOrUnwritableOptionsFileNeverStopsTheGame) {
    WriteFile(optionsFile(), QByteArray("\xff\x00\nhint=\x01\x02\nstrong=tru\x80\n", 23));
    Restart();
    EXPECT_FALSE(hintItem()->isChecked() || strongItem()->isChecked());

    // The config folder cannot be made: the choice holds for this run, silently.
    QDir(platform.configFolder).removeRecursively();
    WriteFile(platform.configFolder, "not a folder");
    Restart();
    hintItem()->trigger();
    EXPECT_TRUE(hintItem()->isChecked());
    StartGame();
    EXPECT_EQ(hintPanel(), "Подходит чисел: 3024");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(PlayerOptions, ARunningGameKeepsItsOpponentAndTheNextGameTakesTheChoice) {
    StartGame();
    strongItem()->trigger();
    EXPECT_TRUE(strongItem()->isChecked());
    EXPECT_FALSE(state().strongOpponent);
    StartGame();
    EXPECT_TRUE(state().strongOpponent);
    strongItem()->trigger();
    EXPECT_FALSE(strongItem()->isChecked());
    EXPECT_TRUE(state().strongOpponent);
    StartGame();
    EXPECT_FALSE(state().strongOpponent);
}

// The computer's secret is 1234 (drawn at 0.0).
//   1. 5678 (0, 0): four different digits of 1, 2, 3, 4, 9: 5 * 4 * 3 * 2 = 120 numbers.
//   2. 5679 (0, 0): against 5679 as the secret, 5678 would have had three злыка, not none.
//   3. 1243 (2, 2): the digits 1..4 with exactly two in their places, the other two
//      swapped: 6 numbers.
TEST_F(PlayerOptions, TheHintFollowsThePlayersMovesInPanelOne) {
    hintItem()->trigger();
    EXPECT_EQ(hintPanel(), QString::fromUtf8(kNewGameHint));  // no game yet
    StartGame(QStringLiteral("2468"));
    EXPECT_EQ(hintPanel(), "Подходит чисел: 3024");

    Move("5678");
    EXPECT_EQ(hintPanel(), "Подходит чисел: 120");
    Move("5679");
    EXPECT_EQ(hintPanel(), "Ход 2 противоречит ходу 1");
    window->TimerTimer_Timer();  // the clock's tick redraws the panel alike
    EXPECT_EQ(hintPanel(), "Ход 2 противоречит ходу 1");
    Move("1243");
    EXPECT_EQ(hintPanel(), "Подходит чисел: 6");

    hintItem()->trigger();
    EXPECT_EQ(hintPanel(), "");
    hintItem()->trigger();
    EXPECT_EQ(hintPanel(), "Подходит чисел: 6");
    EXPECT_EQ(historyLines().size(), 3);  // the moves themselves went as ever, without a box
    EXPECT_TRUE(platform.boxes.empty());

    // A new game starts the count again.
    StartGame(QStringLiteral("2468"));
    EXPECT_EQ(hintPanel(), "Подходит чисел: 3024");
}

}  // namespace
}  // namespace duel::testing
