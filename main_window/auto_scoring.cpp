// The automatic scorer: answers the computer's guess from the number the user typed.
#include "main_window/main_window.h"
#include "rules/number_rules.h"

#include <QCheckBox>
#include <QLineEdit>

namespace duel {

void MainWindow::првАвто_Click() {
    if (state_.hideAnswer) return;
    if (првАвто->isChecked()) {
        Часы.start();
        Часы_Timer();  // answer the guess on screen now, not 300 ms later
    } else {
        Часы.stop();
    }
}

void MainWindow::Часы_Timer() {
    GameState& s = state_;
    const Score score = ScoreGuess(тксВарКомп->text().toStdString(), s.userNumber);
    s.exactCount = score.exact;
    s.partialCount = score.partial;
    SelectAnswer(true, score.exact);
    SelectAnswer(false, score.partial);
}

}  // namespace duel
