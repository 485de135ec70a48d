// The re-docking step, which keeps the keypad and its arrows under the main window, and the main window's activation.
#include "main_window/main_window.h"
#include "rules/twips.h"
#include "windows/keypad_window.h"

namespace duel {

// Recomputes the offset only when the placement has changed, and moves the
// keypad only when the placement, the main window's position or its outer
// height has changed.  The height matters because the window manager adds
// the main window's frame after the first docking: without it the keypad
// would stay a title bar too high.  A change of the width alone moves nothing.
void MainWindow::RedockKeypad() {
    if (!фрмЧифры) return;
    GameState& game = state();
    const TwipPoint mainCorner = фрмЧифры->MainCornerTwips();
    const int32_t mainHeight = PixelsToTwips(frameGeometry().height());
    if (game.keypadDock == game.keypadDockApplied) {
        if (mainCorner.left == game.dockedMainLeft && mainCorner.top == game.dockedMainTop &&
            mainHeight == game.dockedMainHeight)
            return;
    } else {
        game.keypadDockApplied = game.keypadDock;
        game.keypadOffset = фрмЧифры->OffsetForPlacement();
    }
    game.dockedMainLeft = mainCorner.left;
    game.dockedMainTop = mainCorner.top;
    game.dockedMainHeight = mainHeight;
    фрмЧифры->PlaceUnderMain();
}

// The main window's activation sends the keypad's arrow windows away.
void MainWindow::Form_Activate() {
    if (фрмЧифры) фрмЧифры->CloseArrowWindows();
}

}  // namespace duel
