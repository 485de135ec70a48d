// A main window with a scripted platform, started like the program starts it.
#pragma once

#include "main_window/main_window.h"
#include "rules/game_state.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace duel::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window and runs its start-up (call again after changing the
    // program folder's files to restart).
    void StartProgram();

    // Runs New game answering the prompt with `number` (empty: keep it hidden).
    void StartGame(const QString& number = QStringLiteral("1234"), double secretFraction = 0.0);

    // A control of any window of the program by its name.
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

    // The texts of the history list, oldest first.
    QStringList historyLines() const;

    // The digits that four pictures show, e.g. "0012" ("-" for a dash).
    static QString picturesText(const std::array<QLabel*, 4>& pictures);

    QTemporaryDir folder;
    QTemporaryDir configFolder;
    GameState state;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

}  // namespace duel::testing
