// The duel's handlers: new game, both moves, the option buttons and the three timers, each calling its step.
#include "main_window/main_window.h"
#include "windows/keypad_window.h"

#include <QPushButton>

namespace duel {

void MainWindow::mnuGameNew_Click() {
    Duel duel = Steps();
    NewGame(duel);
    if (CarryOutDeferredClose()) return;
    Refresh();
}

void MainWindow::кнпСчитать_Click() {
    Duel duel = Steps();
    const std::string guess = state_.composedGuess;
    PlayerMove(duel, guess);
    Refresh();
    if (state_.phase == Phase::ComputerToMove) computerMoveButton_->setFocus();
}

void MainWindow::кнпДумать_Click() {
    Duel duel = Steps();
    ComputerMove(duel);
    if (CarryOutDeferredClose()) return;
    Refresh();
}

void MainWindow::AnswerButton_Click(AnswerGroup group, int32_t count) {
    Duel duel = Steps();
    GiveAnswer(duel, group, count);
    Refresh();
}

void MainWindow::з1_Click() { AnswerButton_Click(AnswerGroup::Exact, 1); }
void MainWindow::з2_Click() { AnswerButton_Click(AnswerGroup::Exact, 2); }
void MainWindow::з3_Click() { AnswerButton_Click(AnswerGroup::Exact, 3); }
void MainWindow::з4_Click() { AnswerButton_Click(AnswerGroup::Exact, 4); }
void MainWindow::зн_Click() { AnswerButton_Click(AnswerGroup::Exact, 0); }
void MainWindow::ш1_Click() { AnswerButton_Click(AnswerGroup::Partial, 1); }
void MainWindow::ш2_Click() { AnswerButton_Click(AnswerGroup::Partial, 2); }
void MainWindow::ш3_Click() { AnswerButton_Click(AnswerGroup::Partial, 3); }
void MainWindow::ш4_Click() { AnswerButton_Click(AnswerGroup::Partial, 4); }
void MainWindow::шн_Click() { AnswerButton_Click(AnswerGroup::Partial, 0); }

void MainWindow::ЧасыRND_Timer() {
    // A new game asked for by another window starts here, outside that
    // window's handler.
    if (FastTick(state_, platform_)) mnuGameNew_Click();
    DrawComputerGuess();
    RedockKeypad();
    if (keypad_) keypad_->UpdateCancelButton();
}

void MainWindow::Часы_Timer() {
    AutoScoreTick(state_);
    Refresh();
}

void MainWindow::TimerTimer_Timer() {
    GameClockTick(state_, platform_);
    DrawStatusBar();
    MatchTimers();
}

}  // namespace duel
