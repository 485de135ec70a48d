// The re-docking step of the 20 ms tick, which keeps the keypad and its arrows under the main window.
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
    if (!keypad_) return;
    GameState& game = state_;
    const TwipPoint mainCorner = keypad_->MainCornerTwips();
    const int32_t mainHeight = PixelsToTwips(frameGeometry().height());
    if (game.keypadDock == game.keypadDockApplied) {
        if (mainCorner.left == game.dockedMainLeft && mainCorner.top == game.dockedMainTop &&
            mainHeight == game.dockedMainHeight)
            return;
    } else {
        game.keypadDockApplied = game.keypadDock;
        game.keypadOffset = keypad_->OffsetForPlacement();
    }
    game.dockedMainLeft = mainCorner.left;
    game.dockedMainTop = mainCorner.top;
    game.dockedMainHeight = mainHeight;
    keypad_->PlaceUnderMain();
}

}  // namespace duel
