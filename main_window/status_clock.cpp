// The game clock: status panel 2 shows the time of the running game.
#include "main_window/main_window.h"
#include "rules/game_clock.h"

#include <QLabel>

#include <cmath>

namespace duel {

void MainWindow::TimerTimer_Timer() {
    if (state_.gameStart == kClockStopped) {
        statusPanel2->setText(QString::fromUtf8(kClockStoppedText));
        TimerTimer.stop();
        return;
    }
    const double elapsed = platform_.monotonicSeconds() - state_.clockStartSeconds;
    const QString text = QString::fromStdString(ClockText(static_cast<int64_t>(std::floor(elapsed))));
    if (statusPanel2->text() != text) statusPanel2->setText(text);
}

}  // namespace duel
