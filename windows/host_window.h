// What the main window offers the windows it opens, and nothing more.
#pragma once

#include <QIcon>
#include <QRect>

class QWidget;

namespace duel {

// The keypad, the records window and every other window reach the main window
// only through this door; tests hand them a small fake of it.  The game's
// facts are in the game state, which those windows are handed themselves.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    // The main window as the owner of boxes and dialogs.
    virtual QWidget* ownerWidget() = 0;
    // Outer frame (with the window manager's decoration) and client area, in pixels.
    virtual QRect frameRect() const = 0;
    virtual QRect clientRect() const = 0;
    virtual QIcon icon() const = 0;

    // Draws the main window anew from the game state, after a window has
    // changed it (the keypad's guess, the records window's clearing of it).
    virtual void Refresh() = 0;
};

}  // namespace duel
