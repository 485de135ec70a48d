// The main window's "&Справка" menu: the help topics and the about window.
#include "main_window/main_window.h"
#include "windows/about_window.h"

namespace duel {

void MainWindow::mnuInformationRun_Click() { platform_.showHelp(this, 100); }

// The notice to advertisers is topic 500 of the help.
void MainWindow::mnuInformationForR_Click() { platform_.showHelp(this, 500); }

// A fresh window each time, placed against the main window where it is now.
void MainWindow::mnuInformationAbout_Click() {
    AboutWindow about(platform_, *this);
    platform_.showModal(about);
}

}  // namespace duel
