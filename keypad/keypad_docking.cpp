// The re-docking step: keeps the keypad under the main window on every 20 ms tick.
#include "core/main_window.h"
#include "keypad/keypad_window.h"

namespace duel {

// Recomputes the offset only when the placement has changed, and moves the
// keypad only when the placement or the main window's position has changed.
// A change of the main window's width alone moves nothing.
void MainWindow::RedockKeypad() {
    if (!фрмЧифры) return;
    GameState& game = state();
    const TwipPoint mainCorner = фрмЧифры->MainCornerTwips();
    if (game.keypadDock == game.keypadDockApplied) {
        if (mainCorner.left == game.dockedMainLeft && mainCorner.top == game.dockedMainTop) return;
    } else {
        game.keypadDockApplied = game.keypadDock;
        game.keypadOffset = фрмЧифры->OffsetForPlacement();
    }
    game.dockedMainLeft = mainCorner.left;
    game.dockedMainTop = mainCorner.top;
    фрмЧифры->PlaceUnderMain();
}

}  // namespace duel
