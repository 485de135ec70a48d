// The user's move: the guess checked, scored and listed, then the computer's turn.
#include "core/main_window.h"

#include "core/number_rules.h"
#include "records/records_table.h"

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
        platform_.messageBox(this, QString::fromStdString(message), QString::fromUtf8(kErrorTitle),
                             MsgIcon::Exclamation, MsgButtons::Ok);
    };
    if (auto failure = CheckNumberLength(text)) return refuse(*failure);
    for (int i = 0; i < СписокЧШЗ->count(); ++i) {
        if (GuessOfHistoryLine(СписокЧШЗ->item(i)->text().toStdString()) == text) {
            ClearGuessField();
            platform_.messageBox(this, QStringLiteral("Повторяющийся вариант !"), QString::fromUtf8(kProductName),
                                 MsgIcon::Information, MsgButtons::Ok);
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

    if (s.compGuessed == 1) return;  // the user plays on alone
    HandTurnToComputer();
}

void MainWindow::HandTurnToComputer() {
    GameState& s = state_;
    тксВарМой->setEnabled(false);
    for (QLabel* picture : imgNumberMV) picture->hide();

    s.compPickIndex = DrawIndex(platform_.randomFraction(), s.candidateCount);
    тксВарКомп->setText(QString::fromStdString(NumberText(s.candidates[static_cast<size_t>(s.compPickIndex)])));

    if (s.hideAnswer == kAnswerTyped) {
        // Switching the scorer on answers the guess on screen at once; if an
        // earlier game left the box checked, switch it off first so it does.
        if (првАвто->isChecked()) првАвто->setChecked(false);
        првАвто->setChecked(true);
    } else if (s.hideAnswer == kAnswerHidden) {
        рмкШелвы->setEnabled(true);
        рмкЗлыки->setEnabled(true);
        s.exactCount = 0;
        s.partialCount = 0;
        првАвто->setChecked(false);
    }

    MarkTurn(Turn::Computer);
    кнпДумать->show();
    кнпСчитать->hide();
    кнпДумать->setFocus();
}

void MainWindow::UserWins() {
    GameState& s = state_;
    RecordUserWin(s, СписокЧШЗ->count() + 1, s.compNumber, statusPanel2->text().toStdString());
    MarkTurn(Turn::None);
    SetStatusHint(QString::fromUtf8(kNewGameHint));
    s.gameStart = kClockStopped;
    ShowRecordsWindow();
    СписокЧШЗ->setEnabled(false);
    кнпДумать->hide();
    кнпСчитать->hide();
    тксВарМой->setEnabled(false);
    for (QLabel* picture : imgNumberMV) picture->hide();
}

}  // namespace duel
