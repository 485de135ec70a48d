// The journal of games in the main window: its opening, its notice, "&Продолжить прошлую игру" and "&Статистика ...".
#include "duel/journal_keeper.h"
#include "duel/resume_game.h"
#include "main_window/main_window.h"
#include "platform/dialogs.h"
#include "windows/statistics_window.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace duel {

void MainWindow::OpenJournal() {
    if (unloaded_) return;  // the program ended before it came to this
    journal_->onNotice = [this] {
        // A write fails inside a step: the box waits until the step is over.
        QTimer::singleShot(0, this, [this] { TellJournalNotice(); });
    };
    journal_->Open(platform_.userDataFolderPath());
    Refresh();
    TellJournalNotice();  // not inside a step: at once
}

void MainWindow::TellJournalNotice() {
    const std::string notice = journal_->TakeNotice();
    if (notice.empty()) return;
    if (platform_.quitting() || unloaded_) {
        std::fprintf(stderr, "shelvy: %s\n", notice.c_str());  // no box on the way out
        return;
    }
    Notice(platform_, this, QString::fromStdString(notice), MsgIcon::Exclamation);
}

void MainWindow::DrawJournalItems() {
    resumeItem_->setEnabled(journal_->CanResume() && !state_.gameRunning() && !state_.busy);
}

void MainWindow::mnuGameResume_Click() {
    if (state_.busy || state_.gameRunning()) return;
    const std::optional<SavedGame> saved = journal_->TakeResumable();
    if (!saved) {
        Notice(platform_, this,
               QStringLiteral("Прошлую игру продолжить нельзя: её уже продолжает или сменила новой "
                              "другая запущенная игра."));
        Refresh();
        return;
    }
    historyList_->clear();  // the lines of the game shown before are not this game's
    Duel duel = Steps();
    ResumeGame(duel, *saved);
    Refresh();
    if (state_.phase == Phase::ComputerToMove) computerMoveButton_->setFocus();
}

void MainWindow::mnuGameStatistics_Click() {
    if (state_.busy) return;
    StatisticsWindow window(journal_->journal(), QString::fromStdString(journal_->Status()), platform_, *this);
    window.Form_Load();
    platform_.showModal(window);
}

}  // namespace duel
