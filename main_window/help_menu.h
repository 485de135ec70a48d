// The main window's menu "&Справка": the help topics, the notice to advertisers and the about window.
#pragma once

#include <QMenu>

namespace duel {

class HostWindow;
class Platform;

// F1 opens the help from the main window and the keypad alike.
class HelpMenu : public QMenu {
public:
    HelpMenu(Platform& platform, HostWindow& host, QWidget* parent);

    void mnuInformationRun_Click();
    void mnuInformationForR_Click();  // the notice to advertisers is topic 500 of the help
    void mnuInformationAbout_Click();

private:
    Platform& platform_;
    HostWindow& host_;
};

}  // namespace duel
