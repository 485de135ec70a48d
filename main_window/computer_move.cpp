// The computer's move: its win, the filter of its candidates, the hand-back to the user.
#include "main_window/main_window.h"
#include "rules/number_rules.h"
#include "rules/records_table.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace duel {

namespace {

constexpr const char* kPlayOnQuestion = "Вы хотите продолжить игру до разоблачения компьютера ?";
constexpr const char* kContradictionMessage =
    "Вы совершили ошибку при вводе количества шелв и злыков. Я вынужден остановить игру. Чтобы не "
    "возникало таких ситуаций, вводите число при запросе в начале игры.";
constexpr const char* kErrorGuess = "Ошибка !";

// Count of the selected button of a group (the array index is the count).
int32_t SelectedCount(const std::array<QRadioButton*, 5>& buttons) {
    for (size_t count = 0; count < buttons.size(); ++count)
        if (buttons[count]->isChecked()) return static_cast<int32_t>(count);
    return 0;
}

}  // namespace

void MainWindow::кнпДумать_Click() {
    if (busy_) return;  // a filter is running: nothing re-enters it
    GameState& s = state_;
    if (s.candidateCount == 0 && s.hideAnswer) return StopAfterContradiction();
    if (exactButtons[4]->isChecked()) return ComputerWins();
    if (s.hideAnswer) {
        s.exactCount = SelectedCount(exactButtons);
        s.partialCount = SelectedCount(partialButtons);
    }

    setCursor(Qt::BusyCursor);
    const bool showProgress = s.candidateCount >= 100;
    if (showProgress) OpenThinkingWindow(s.candidateCount);
    {
        BusyScope busy(*this);
        platform_.processEvents();
        Часы.stop();
        const std::string guess = тксВарКомп->text().toStdString();
        s.candidateCount = FilterCandidates(s.candidates, s.candidateCount, guess, Score{s.exactCount, s.partialCount},
                                            [&](int32_t i) {
                                                platform_.processEvents();
                                                if (showProgress && i % 25 == 0) SetThinkingProgress(i);
                                            });
    }
    if (CarryOutDeferredClose()) return;
    if (!s.hideAnswer) Часы.start();

    if (s.candidateCount == 0) {
        // No number agrees with the answers: they contradict each other.
        тксВарКомп->setText(QString::fromUtf8(kErrorGuess));
        platform_.processEvents();
        unsetCursor();
        return StopAfterContradiction();
    }
    HandTurnToUser();
}

void MainWindow::HandTurnToUser() {
    ShowUsersTurn();
    if (state_.hideAnswer) првАвто->setChecked(true);
    CloseThinkingWindow();
    platform_.processEvents();
    unsetCursor();
}

void MainWindow::ComputerWins() {
    GameState& s = state_;
    MarkTurn(Turn::None);
    RecordCompWin(s, СписокЧШЗ->count(), тксВарКомп->text().toStdString(), statusPanel2->text().toStdString());
    WriteSettings();  // a result is saved when it is made
    ShowRecordsWindow();
    if (Question(platform_, this, QString::fromUtf8(kPlayOnQuestion)))
        PlayOnAlone();
    else
        GameOver();
}

void MainWindow::PlayOnAlone() {
    ShowUsersTurn();
    state_.phase = Phase::PlayingOnAlone;
}

void MainWindow::GameOver() {
    state_.phase = Phase::GameOver;
    рмкШелвы->setEnabled(false);
    рмкЗлыки->setEnabled(false);
    SetStatusHint(QString::fromUtf8(kNewGameHint));
    state_.gameStart = kClockStopped;
    СписокЧШЗ->setEnabled(false);
}

// The game clock stops before the records window opens, as on a win; GameOver
// does the rest once the window has closed.
void MainWindow::StopAfterContradiction() {
    Notice(platform_, this, QString::fromUtf8(kContradictionMessage));
    RecordStoppedGame(state_);
    WriteSettings();
    CloseThinkingWindow();
    MarkTurn(Turn::None);
    state_.gameStart = kClockStopped;
    ShowRecordsWindow();
    GameOver();
}

// The computer's guess is drawn as pictures whenever its text has changed.
void MainWindow::ComputerGuessPicturesStep() {
    const std::string guess = тксВарКомп->text().toStdString();
    if (guess == state_.compGuessSeen) return;
    state_.compGuessSeen = guess;
    ShowComputerGuessPictures(тксВарКомп->text());
}

}  // namespace duel
