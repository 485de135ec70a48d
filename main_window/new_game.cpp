// New game: the candidate list, the computer's secret, the user's number, the first turn.
#include "main_window/main_window.h"
#include "rules/number_rules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

namespace duel {

namespace {

constexpr const char* kNumberPrompt = "Загадайте число:";
constexpr const char* kHideQuestion =
    "Вы хотите загадать число, но не показывать его компьютеру? В этом нет нужды. Он использует "
    "его только для автоматического выставления количества шелв и злыков. Если вы хотите скрыть "
    "число, то вам придётся вручную выставлять эти цифры. Вы согласны на это?";

}  // namespace

void MainWindow::mnuGameNew_Click() {
    if (busy_) return;  // the list is being built or filtered
    GameState& s = state_;

    SetStatusHint(QString());
    setCursor(Qt::BusyCursor);
    // Whatever the last game left running, the scorer is off and nothing can
    // be answered until this game hands a guess to the user.
    Часы.stop();
    првАвто->setChecked(false);
    рмкШелвы->setEnabled(false);
    рмкЗлыки->setEnabled(false);

    BuildCandidates();
    if (CarryOutDeferredClose()) return;
    unsetCursor();
    // The program is quitting: this game is abandoned, nothing more is asked.
    if (platform_.quitting()) return;
    s.hideAnswer = false;

    s.compNumber =
        NumberText(s.candidates[static_cast<size_t>(DrawIndex(platform_.randomFraction(), s.candidateCount))]);

    // Ask for the user's number until it is valid or the user keeps it hidden.
    QString typed;
    for (;;) {
        // Every box answers "cancel" at once while the program quits; the
        // game is then abandoned instead of asking again.
        typed = platform_.inputBox(this, QString::fromUtf8(kNumberPrompt), QString::fromUtf8(kProductTitle),
                                   QString::fromStdString(s.userNumberDefault));
        if (platform_.quitting()) return;
        s.userNumberDefault = typed.toStdString();
        if (typed.isEmpty()) {
            const bool hide = Question(platform_, this, QString::fromUtf8(kHideQuestion));
            if (platform_.quitting()) return;
            if (hide) {
                s.hideAnswer = true;
                Часы.stop();
                break;
            }
            s.hideAnswer = false;
            s.userNumberDefault = "1234";
            continue;
        }
        if (auto failure = CheckNumber(typed.toStdString())) {
            ErrorBox(platform_, this, QString::fromStdString(*failure));
            if (platform_.quitting()) return;
            continue;
        }
        break;
    }
    s.userNumber = s.hideAnswer ? std::string() : typed.toStdString();

    ShowUsersTurn();  // also forgets that the user played on alone
    СписокЧШЗ->setEnabled(true);
    СписокЧШЗ->clear();

    s.gameStart = static_cast<int32_t>(std::floor(platform_.secondsSinceMidnight()));
    s.clockStartSeconds = platform_.monotonicSeconds();
    TimerTimer.start();
}

void MainWindow::BuildCandidates() {
    BusyScope busy(*this);
    OpenThinkingWindow(8888);
    platform_.processEvents();
    state_.candidateCount = 0;
    state_.candidateCount = BuildCandidateList(state_.candidates, [this](int32_t n) {
        if (n % 25 == 0) SetThinkingProgress(n - 1111);
        platform_.processEvents();
    });
    CloseThinkingWindow();
    platform_.processEvents();
}

}  // namespace duel
