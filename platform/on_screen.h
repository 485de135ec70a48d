// Keeping a window whole on the screen's available area where the game places it.
#pragma once

#include <QMargins>
#include <QPoint>

#include <functional>

class QWidget;

namespace duel {

class Platform;

// The margins the window manager's frame adds around `window`'s client area:
// its own while the window is shown with a frame, else `guess` (a window is
// framed only after it is shown).
QMargins FrameMarginsOf(const QWidget& window, QMargins guess);

// Moves `window` so that the top-left corner of its frame lies at `corner`,
// unless the frame would then leave the available area of its screen (the
// platform's screenArea); then the frame goes as little away from `corner` as
// keeps it whole on the area.  A window that can be resized and is larger
// than the area is made smaller first, down to its minimum size.  Until the
// window manager has framed the window its frame is taken to add `frameGuess`
// around it.
void MoveOntoScreen(QWidget& window, Platform& platform, QPoint corner, QMargins frameGuess = {});

// Puts `window`'s frame's top-left corner at `corner`, the frame taken to add
// `margins` around the client area: the same whether the window is made,
// shown or framed yet or not.
void PutFrameAt(QWidget& window, QPoint corner, QMargins margins);

// Runs `then` once, as soon as the window manager has framed `window`: at
// once when it is shown and framed already, else as soon as it is seen shown
// on the screen with a frame, within a few seconds.  A window is framed only
// after it is shown; later moves are the player's and run nothing.
void OnceFramed(QWidget& window, std::function<void()> then);

// Runs `place` now, with the frame guessed, and once more with the real frame
// when the window manager has framed `window` (OnceFramed).
void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place);

}  // namespace duel
