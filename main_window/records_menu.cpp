// The menu item "По&бедители ..." and the records window opened at the end of a game.
#include "main_window/main_window.h"
#include "windows/records_window.h"

namespace duel {

void MainWindow::mnuGameWins_Click() {
    if (isBusy()) return;
    state().recordsFromMenu = true;
    MarkTurn(Turn::None);
    ShowRecordsWindow();
    ShowCurrentPhase();
}

void MainWindow::ShowRecordsWindow() {
    RecordsWindow window(state_, platform_, *this);
    window.Form_Load();
    platform_.showModal(window);
}

}  // namespace duel
