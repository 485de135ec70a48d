// The menu "&Справка": its items, and F1 for the help wherever the game's windows have the keyboard.
#include "main_window/help_menu.h"

#include "platform/platform.h"
#include "platform/translation.h"
#include "windows/about_window.h"
#include "windows/host_window.h"

#include <QShortcut>

namespace duel {

HelpMenu::HelpMenu(Platform& platform, HostWindow& host, QWidget* parent)
    : QMenu(Tr("main_window", "&Справка"), parent), platform_(platform), host_(host) {
    setObjectName(QStringLiteral("mnuInformation"));
    const auto item = [this](const char* caption, const char* name, void (HelpMenu::*handler)()) {
        QAction* action = addAction(Tr("main_window", caption));
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item(DUEL_MARK("main_window", "&Вызов справки"), "mnuInformationRun", &HelpMenu::mnuInformationRun_Click);
    addSeparator()->setObjectName(QStringLiteral("mnuInformationProbel1"));
    item(DUEL_MARK("main_window", "Предложение рекламодателям"), "mnuInformationForR",
         &HelpMenu::mnuInformationForR_Click);
    addSeparator()->setObjectName(QStringLiteral("mnuInformationProbel2"));
    item(DUEL_MARK("main_window", "&О программе"), "mnuInformationAbout", &HelpMenu::mnuInformationAbout_Click);

    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), parent);
    helpKey->setContext(Qt::ApplicationShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { mnuInformationRun_Click(); });
}

void HelpMenu::mnuInformationRun_Click() { platform_.showHelp(host_.ownerWidget(), 100); }

void HelpMenu::mnuInformationForR_Click() { platform_.showHelp(host_.ownerWidget(), 500); }

// A fresh window each time, placed against the main window where it is now.
void HelpMenu::mnuInformationAbout_Click() {
    AboutWindow about(platform_, host_);
    platform_.showModal(about);
}

}  // namespace duel
