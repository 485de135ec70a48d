// The main window's menus and timers.
#include "main_window/extras_menu.h"
#include "main_window/help_menu.h"
#include "main_window/main_window.h"
#include "platform/translation.h"
#include "session/session.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace duel {

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto item = [this](QMenu* menu, const char* caption, const char* name, void (MainWindow::*handler)()) {
        QAction* action = menu->addAction(Tr("main_window", caption));
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    QMenu* game = bar->addMenu(Tr("main_window", "&Игра"));
    game->setObjectName(QStringLiteral("mnuGame"));
    QAction* newGame = item(game, DUEL_MARK("main_window", "&Новая игра"), "mnuGameNew", &MainWindow::mnuGameNew_Click);
    newGame->setShortcut(Qt::Key_F2);
    newGame->setShortcutContext(Qt::ApplicationShortcut);
    resumeItem_ = item(game, DUEL_MARK("main_window", "&Продолжить прошлую игру"), "mnuGameResume",
                       &MainWindow::mnuGameResume_Click);
    resumeItem_->setEnabled(false);  // until the journal shows an unfinished game
    item(game, DUEL_MARK("main_window", "&Дуэль по сети ..."), "mnuGameNetwork", &MainWindow::mnuGameNetwork_Click);
    item(game, DUEL_MARK("main_window", "По&бедители ..."), "mnuGameWins", &MainWindow::mnuGameWins_Click);
    item(game, DUEL_MARK("main_window", "&Статистика ..."), "mnuGameStatistics", &MainWindow::mnuGameStatistics_Click);
    game->addSeparator()->setObjectName(QStringLiteral("mnuGamePtobel"));
    item(game, DUEL_MARK("main_window", "В&ыход"), "mnuGameExit", &MainWindow::mnuGameExit_Click);

    extrasMenu_ = new ExtrasMenu(session_, *this, bar);
    bar->addMenu(extrasMenu_);
    bar->addMenu(new HelpMenu(session_.platform(), *this, this));
}

void MainWindow::BuildTimers() {
    const auto timer = [this](const char* name, int interval, void (MainWindow::*handler)()) {
        auto* created = new QTimer(this);
        created->setObjectName(QString::fromUtf8(name));
        created->setInterval(interval);
        connect(created, &QTimer::timeout, this, [this, handler] { (this->*handler)(); });
        return created;
    };
    tickTimer_ = timer("ЧасыRND", 20, &MainWindow::ЧасыRND_Timer);
    autoScoreTimer_ = timer("Часы", 300, &MainWindow::Часы_Timer);
    gameClockTimer_ = timer("TimerTimer", 200, &MainWindow::TimerTimer_Timer);
}

}  // namespace duel
