// The user's move: the guess checked, scored and listed, then the computer's turn.
#include "main_window/main_window.h"
#include "rules/number_rules.h"
#include "rules/records_table.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace duel {

void MainWindow::кнпСчитать_Click() {
    if (busy_) return;
    GameState& s = state_;
    const std::string text = тксВарМой->text().toStdString();
    if (!s.compNumber.empty() && text == s.compNumber) {
        UserWins();
        return;
    }

    s.userGuess = text;
    const auto refuse = [this](const std::string& message) {
        ErrorBox(platform_, this, QString::fromStdString(message));
    };
    if (auto failure = CheckNumberLength(text)) return refuse(*failure);
    for (int i = 0; i < СписокЧШЗ->count(); ++i) {
        if (GuessOfHistoryLine(СписокЧШЗ->item(i)->text().toStdString()) == text) {
            ClearGuessField();
            Notice(platform_, this, QStringLiteral("Повторяющийся вариант !"));
            return;
        }
    }
    if (auto failure = CheckNumberDigits(text)) return refuse(*failure);

    const Score score = ScoreGuess(s.userGuess, s.compNumber);
    s.exactCount = score.exact;
    s.partialCount = score.partial;
    СписокЧШЗ->addItem(QString::fromStdString(HistoryLine(s.userGuess, score.partial, score.exact)));
    СписокЧШЗ->setCurrentRow(СписокЧШЗ->count() - 1);
    ClearGuessField();

    if (s.compGuessed()) return;  // the user plays on alone
    HandTurnToComputer();
}

void MainWindow::HandTurnToComputer() {
    GameState& s = state_;
    тксВарМой->setEnabled(false);
    for (QLabel* picture : imgNumberMV) picture->hide();

    s.compPickIndex = DrawIndex(platform_.randomFraction(), s.candidateCount);
    тксВарКомп->setText(QString::fromStdString(NumberText(s.candidates[static_cast<size_t>(s.compPickIndex)])));

    if (!s.hideAnswer) {
        // Switching the scorer on answers the guess on screen at once; if an
        // earlier game left the box checked, switch it off first so it does.
        if (првАвто->isChecked()) првАвто->setChecked(false);
        првАвто->setChecked(true);
    } else {
        рмкШелвы->setEnabled(true);
        рмкЗлыки->setEnabled(true);
        s.exactCount = 0;
        s.partialCount = 0;
        првАвто->setChecked(false);
    }

    s.phase = Phase::ComputerToMove;
    MarkTurn(Turn::Computer);
    кнпДумать->show();
    кнпСчитать->hide();
    кнпДумать->setFocus();
}

void MainWindow::UserWins() {
    GameState& s = state_;
    RecordUserWin(s, СписокЧШЗ->count() + 1, s.compNumber, statusPanel2->text().toStdString());
    WriteSettings();  // the win is kept even if the run ends before the name is typed
    s.phase = Phase::GameOver;
    MarkTurn(Turn::None);
    SetStatusHint(QString::fromUtf8(kNewGameHint));
    s.gameStart = kClockStopped;
    rezwin();
    ShowRecordsWindow();
    СписокЧШЗ->setEnabled(false);
    HideMoveButtons();
    тксВарМой->setEnabled(false);
    for (QLabel* picture : imgNumberMV) picture->hide();
}

}  // namespace duel
