// Moving a window onto the screen's available area, its frame included, and again once it is framed.
#include "platform/on_screen.h"

#include "platform/platform.h"
#include "rules/window_placement.h"

#include <QEvent>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace duel {

namespace {

// How long a window waits for the window manager's frame.
constexpr int kFrameAwaitedMs = 3000;

PixelRect ToPixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool IsFramed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

// Watches a window's events until it is shown with a frame, runs its work
// once then and goes; it gives up after kFrameAwaitedMs, or with the window.
class FramedWatch : public QObject {
public:
    FramedWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {
        window.installEventFilter(this);
        QTimer::singleShot(kFrameAwaitedMs, this, [this] { deleteLater(); });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool placed = type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
        if (placed && !done_ && window_.isVisible() && IsFramed(window_)) {
            done_ = true;
            window_.removeEventFilter(this);
            deleteLater();
            then_();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
    bool done_ = false;
};

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

void OnceFramed(QWidget& window, std::function<void()> then) {
    if (window.isVisible() && IsFramed(window)) {
        then();
        return;
    }
    new FramedWatch(window, std::move(then));
}

void PlaceNowAndWhenFramed(QWidget& window, const std::function<void()>& place) {
    place();
    OnceFramed(window, place);
}

}  // namespace duel
