// The menu item "По&бедители ...": the records window opened in the middle of anything.
#include "core/main_window.h"

#include <QLineEdit>
#include <QPushButton>

namespace duel {

namespace {

// Shows the phase of the game again after the records window opened from the
// menu has hidden the turn marks and the computer's pictures.
void ShowCurrentPhase(MainWindow& main) {
    const bool computerGuessShown = main.тксВарКомп && !main.тксВарКомп->text().isEmpty() &&
                                    main.кнпДумать && !main.кнпДумать->isHidden();
    if (computerGuessShown) {
        main.ShowComputerGuessPictures(main.тксВарКомп->text());
        main.MarkTurn(Turn::Computer);
    } else if (main.кнпСчитать && !main.кнпСчитать->isHidden()) {
        main.MarkTurn(Turn::User);
    }
}

}  // namespace

void MainWindow::mnuGameWins_Click() {
    if (isBusy()) return;
    state().recordsFromMenu = 1;
    MarkTurn(Turn::None);
    ShowRecordsWindow();
    ShowCurrentPhase(*this);
}

}  // namespace duel
