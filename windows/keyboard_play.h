// Playing from the keyboard: digits, Backspace and Enter act on the keypad and the move buttons.
#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace duel {

// A click where the mouse could make one: on a button that is shown and
// enabled; true when it was made.
bool ClickWhereTheMouseCould(QAbstractButton* button);

// Watches the keys that reach the main window or the keypad, whichever of
// them is active, and turns them into the clicks a mouse would make:
//   1 … 9 (main row or number pad)  the keypad's digit button;
//   Backspace                       Cancel, while it is shown;
//   Enter                           the move button that is shown ("--->"),
//                                   the user's or the computer's.
// A click goes only where the mouse could click: a hidden or disabled button
// takes none.  No key acts while a modal window is open, and a held key does
// not repeat.  Every other key goes on as before.
class KeyboardPlay : public QObject {
public:
    // What a key presses; each returns true when the click was made.
    struct Presses {
        std::function<bool(int digit)> digit;  // the keypad's digit button 1..9
        std::function<bool()> cancel;          // the keypad's Cancel
        std::function<bool()> move;            // the move button that is shown
    };

    // Installs itself as an application-wide event filter for its lifetime;
    // keys reaching `mainWindow` or `keypad` are the game's.
    KeyboardPlay(const QWidget& mainWindow, const QWidget& keypad, Presses presses);
    ~KeyboardPlay() override;

    // Acts on one key press; true when the key was the game's.
    bool KeyPress(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QWidget& main_;
    const QWidget& keypad_;
    Presses presses_;
};

}  // namespace duel
