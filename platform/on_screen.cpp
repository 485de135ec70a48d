// Moving a window onto the screen's available area, its frame included, and again once it is framed.
#include "platform/on_screen.h"

#include "platform/platform.h"
#include "rules/window_placement.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

namespace duel {

namespace {

// Time the window manager is given to frame a window that has just been shown.
constexpr int kFramedAfterMs = 150;

PixelRect ToPixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

QMargins FrameMarginsOf(const QWidget& window, QMargins guess) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client) return guess;
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void MoveOntoScreen(QWidget& window, Platform& platform, QPoint corner, QMargins frameGuess) {
    const QMargins margins = FrameMarginsOf(window, frameGuess);
    const QSize borders(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize frame = window.size() + borders;
    // A fixed-size window's minimum is its size; a window is never made larger here.
    const QSize minimum = (window.minimumSize().expandedTo(window.minimumSizeHint()) + borders).boundedTo(frame);
    const QRect area = platform.screenArea(QRect(corner, frame));
    const PixelRect kept = KeepInside({corner.x(), corner.y(), frame.width(), frame.height()},
                                      {minimum.width(), minimum.height()}, ToPixels(area));
    if (kept.width != frame.width() || kept.height != frame.height())
        window.resize(kept.width - borders.width(), kept.height - borders.height());
    if (window.frameGeometry().topLeft() != QPoint(kept.x, kept.y)) window.move(kept.x, kept.y);
}

void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place) {
    place();
    QTimer::singleShot(kFramedAfterMs, &window, [&window, place] {
        if (window.isVisible()) place();
    });
}

}  // namespace duel
