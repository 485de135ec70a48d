// The menu item "По&бедители ..." and the records window opened at the end of a game.
#include "main_window/main_window.h"
#include "windows/records_window.h"

namespace duel {

// While the window opened from the menu is shown the turn marks are off and
// the computer's guess is hidden; the move buttons stay as they were.
void MainWindow::mnuGameWins_Click() {
    if (state_.busy) return;
    state_.recordsFromMenu = true;
    Refresh();
    ShowRecords();
    state_.recordsFromMenu = false;
    Refresh();
}

void MainWindow::ShowRecords() {
    RecordsWindow window(state_, platform_, *this);
    window.Form_Load();
    platform_.showModal(window);
}

}  // namespace duel
