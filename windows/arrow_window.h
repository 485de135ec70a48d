// The arrow windows frmLButton and frmRButton that move the keypad left or right.
#pragma once

#include "rules/dock_geometry.h"

#include <QWidget>

class QPushButton;

namespace duel {

struct GameState;

// A small frameless tool window beside the keypad holding one button with
// an arrow.  It never takes the focus and never activates when shown, so the
// window under the player's hands stays active.  Its click changes only the
// placement; the re-docking step moves the windows on its next run.
class ArrowWindow : public QWidget {
public:
    // `keypad` is the keypad window the arrow stands beside.
    ArrowWindow(ArrowSide side, GameState& state, const QWidget& keypad);

    static constexpr int kClientTwips = 600;
    static constexpr int kButtonTwips = 615;

    ArrowSide side() const { return side_; }

    // Places the window beside the keypad whose outer top-left corner is
    // `keypadCorner` (pixels), centred on it vertically.
    void Place(QPoint keypadCorner);

    void cmdLeft_Click();
    void cmdRight_Click();

private:
    void ArrowClicked();

    ArrowSide side_;
    GameState& state_;
    const QWidget& keypad_;
    QPushButton* button_ = nullptr;  // cmdLeft or cmdRight
};

}  // namespace duel
