// The 20 ms tick ЧасыRND: one step per subsystem, always in the same order.
#include "main_window/main_window.h"
#include "windows/keypad_window.h"

namespace duel {

void MainWindow::ЧасыRND_Timer() {
    platform_.randomFraction();  // keeps the generator moving with the user's pace
    NewGameRequestStep();
    ComputerGuessPicturesStep();
    RedockKeypad();
    if (фрмЧифры) фрмЧифры->UpdateCancelButton();
}

// A new game asked for by another window starts here, outside that window's
// handler; a request during the filter waits for it to end.
void MainWindow::NewGameRequestStep() {
    if (!state_.playNowRequested || busy_) return;
    state_.playNowRequested = false;
    mnuGameNew_Click();
}

}  // namespace duel
