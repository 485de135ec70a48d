// What the main window offers the windows it opens, and nothing more.
#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

class QWidget;

namespace duel {

// The keypad, the records window and every other window reach the main window
// only through this door; tests hand them a small fake of it.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    // The main window as the owner of boxes and dialogs.
    virtual QWidget* ownerWidget() = 0;
    // Outer frame (with the window manager's decoration) and client area, in pixels.
    virtual QRect frameRect() const = 0;
    virtual QRect clientRect() const = 0;
    virtual QIcon icon() const = 0;

    // True while the candidate list is being built or filtered: commands that
    // touch the game state are ignored until it ends.
    virtual bool isBusy() const = 0;

    // The guess being composed (never shown as text) and its four pictures.
    virtual QString guessText() const = 0;
    virtual void setGuessText(const QString& text) = 0;
    // Runs the digit-entry step for the keyCode in the game state.
    virtual void AddDigit() = 0;
    // Empties the guess and redraws its pictures.
    virtual void ClearGuessField() = 0;

    // Hides both move buttons (a finished game has no move).
    virtual void HideMoveButtons() = 0;
    // Draws the turn marks and the computer's guess for the phase of the game.
    virtual void ShowCurrentPhase() = 0;
    // Asks for a new game, started by the main window's next tick.
    virtual void RequestNewGame() = 0;
    // Writes the settings file now, as the close does: a result that has just
    // changed (a name typed, a reset) must not wait for the end of the run.
    virtual void SaveResults() = 0;
};

}  // namespace duel
