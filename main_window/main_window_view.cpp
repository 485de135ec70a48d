// The main window drawn from the game state: the field, the status bar, the menus' marks, the cursor and the timers.
#include "main_window/duel_field.h"
#include "main_window/extras_menu.h"
#include "main_window/main_window.h"
#include "main_window/status_panels.h"
#include "session/session.h"

#include <QAction>
#include <QTimer>

namespace duel {

namespace {

void SetRunning(QTimer* timer, bool running) {
    if (running && !timer->isActive()) timer->start();
    if (!running && timer->isActive()) timer->stop();
}

}  // namespace

void MainWindow::Refresh() {
    const GameState& state = session_.state();
    field_->Draw(!recordsFromMenu_);
    status_->Draw(state, session_.CanResume());
    extrasMenu_->Draw();
    if (state.busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    MatchTimers();
    resumeItem_->setEnabled(session_.CanResume());
}

void MainWindow::MatchTimers() {
    const GameState& state = session_.state();
    SetRunning(autoScoreTimer_, state.scorerRuns());
    SetRunning(gameClockTimer_, state.clockTicks());
}

}  // namespace duel
