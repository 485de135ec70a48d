// What the duel's steps need of the window that shows the duel, and nothing more.
#pragma once

class QWidget;

namespace duel {

// The main window's side that shows the duel implements it; tests hand the
// steps a scripted fake (tests/support/fake_screen.h).  Everything else a
// step needs is in the game state, the platform and the opponent.
class DuelScreen {
public:
    virtual ~DuelScreen() = default;

    // The owner of the boxes a step shows.
    virtual QWidget* ownerWidget() = 0;

    // Draws the duel anew from the game state.  A step calls it before it
    // shows a box or a window and before it lets pending events run, so the
    // player sees what the step has done so far.
    virtual void Refresh() = 0;

    // The thinking window: opened at progress 0 of `maximum` and placed against
    // the main window where it is now, moved on, closed (closing a closed one
    // does nothing).
    virtual void OpenThinking(int maximum) = 0;
    virtual void SetThinkingProgress(int value) = 0;
    virtual void CloseThinking() = 0;

    // The records window, modal; it reads and writes the game state.
    virtual void ShowRecords() = 0;
};

}  // namespace duel
