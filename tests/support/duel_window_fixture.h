// The main window's fixture for whole duels: moves, answers by hand, scripted records windows.
#pragma once

#include "rules/number_rules.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <utility>

namespace duel::testing {

class DuelWindowTest : public WindowTest {
protected:
    // New game, forgetting the boxes it showed (the hide question).
    void Start(const QString& number, double secret) {
        StartGame(number, secret);
        platform.boxes.clear();
    }
    // The user's move with `digits` composed; `pick` draws the computer's guess.
    void Guess(const QString& digits, double pick = 0.0) {
        platform.fractions = {pick};
        state().composedGuess = digits.toStdString();
        window->кнпСчитать_Click();
        platform.fractions.clear();
    }
    // The user's answer by hand: the two option buttons.
    void Answer(int exact, int partial) {
        exactButton(exact)->setChecked(true);
        partialButton(partial)->setChecked(true);
    }
    bool scorerTicking() const { return timer(QStringLiteral("Часы"))->isActive(); }
    bool clockTicking() const { return timer(QStringLiteral("TimerTimer"))->isActive(); }
    // Records window scripts: close it, or type a name and press Enter first;
    // `whileOpen` runs first, with the window on the screen.
    void ExpectRecordsWindow(const QString& name = QString(), std::function<void()> whileOpen = nullptr) {
        platform.modalScripts.push_back([name, whileOpen = std::move(whileOpen)](QDialog& dialog) {
            if (whileOpen) whileOpen();
            for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
                if (field->isHidden()) continue;
                field->setText(name);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(field, &enter);
            }
        });
    }
    // How many numbers the computer keeps from the full list after `answer` to `guess`.
    int Expected(const char* guess, Score answer) const {
        CandidateList list{};
        const int32_t count = BuildCandidateList(list, [](int32_t) {});
        return FilterCandidates(list, count, guess, answer, [](int32_t) {});
    }
};

}  // namespace duel::testing
