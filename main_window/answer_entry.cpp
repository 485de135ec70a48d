// The user's answer to the computer's guess: the option buttons and the sum check.
#include "main_window/main_window.h"

#include <QCheckBox>

namespace duel {

void MainWindow::AnswerButton_Click(bool exactGroup, int32_t count) {
    (exactGroup ? state_.exactCount : state_.partialCount) = count;
    if (!првАвто->isChecked()) CheckCounts();
}

void MainWindow::CheckCounts() {
    GameState& s = state_;
    if (s.exactCount + s.partialCount <= 4) return;
    const QString text =
        QStringLiteral("Не может быть одновременно %1 шелв(а,ы) и %2 злык(а)").arg(s.partialCount).arg(s.exactCount);
    Notice(platform_, this, text, MsgIcon::Exclamation);
    SelectAnswer(false, 0);
    SelectAnswer(true, 0);
}

}  // namespace duel
