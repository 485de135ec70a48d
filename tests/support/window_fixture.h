// A main window with a scripted platform, started like the program starts it.
#pragma once

#include "main_window/main_window.h"
#include "rules/game_state.h"
#include "session/session.h"
#include "session/session_screen.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace duel::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the session and the window and runs the start-up (call again
    // after changing the program folder's files to restart: a new run with a
    // new session).
    void StartProgram();
    // Runs what the program's start-up leaves for the event loop's first pass,
    // for a main window started by the test itself.
    static void FinishStartUp();

    // Runs New game answering the prompt with `number` (empty: keep it hidden).
    void StartGame(const QString& number = QStringLiteral("1234"), double secretFraction = 0.0);

    // A control, action, timer or window of the program by its name, the way
    // the game names it; nullptr when there is none of that type.
    template <typename T = QWidget>
    T* find(const QString& name) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name) {
                if (auto* typed = qobject_cast<T*>(top)) return typed;
            }
            if (auto* child = top->findChild<T*>(name)) return child;
        }
        return nullptr;
    }
    // A window (or a control of a class without Q_OBJECT) by its name, as its own class.
    template <typename T>
    T* findAs(const QString& name) const {
        return dynamic_cast<T*>(find<QWidget>(name));
    }
    QPushButton* button(const QString& name) const;
    QLabel* label(const QString& name) const;
    QTimer* timer(const QString& name) const;
    bool hidden(const QString& name) const;  // also true for a control that does not exist
    bool enabled(const QString& name) const;

    // The main window's controls by role.
    QPushButton* userMoveButton() const { return button(QStringLiteral("кнпСчитать")); }
    QPushButton* computerMoveButton() const { return button(QStringLiteral("кнпДумать")); }
    // The option button of `count` (0 is "нету") in the exact (з) or partial (ш) group.
    QRadioButton* exactButton(int count) const;
    QRadioButton* partialButton(int count) const;
    // The count whose option button is selected, -1 for none.
    int selectedExact() const;
    int selectedPartial() const;
    // The status bar's two panels.
    QString hintPanel() const;
    QString clockPanel() const;
    // The label's colour is red, as for the side to move.
    bool isRed(const QString& labelName) const;
    double fontSize(const QString& labelName) const;

    // The texts of the history list, oldest first.
    QStringList historyLines() const;

    // The digits that four pictures `stem`1..4 show, e.g. "0012" ("-" for a dash).
    QString picturesText(const QString& stem) const;
    QString guessPictures() const { return picturesText(QStringLiteral("imgNumberMV")); }
    QString computerGuessPictures() const { return picturesText(QStringLiteral("imgNumberVK")); }
    bool picturesHidden(const QString& stem) const;

    // The game of the run, and the computer that plays it.
    GameState& state() const { return session->state(); }
    ComputerOpponent& computer() const { return session->computer(); }

    QTemporaryDir folder;
    QTemporaryDir configFolder;
    FakePlatform platform;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;
};

}  // namespace duel::testing
