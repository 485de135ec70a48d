// Playing from the keyboard: digits, Backspace and Enter act on the keypad and the move buttons.
#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace duel {

class KeypadWindow;

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
    // Installs itself as an application-wide event filter for its lifetime.
    KeyboardPlay(QWidget& mainWindow, KeypadWindow& keypad, QPushButton* userMove, QPushButton* computerMove);
    ~KeyboardPlay() override;

    // Acts on one key press; true when the key was the game's.
    bool KeyPress(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& main_;
    KeypadWindow& keypad_;
    QPointer<QPushButton> userMove_;
    QPointer<QPushButton> computerMove_;
};

}  // namespace duel
