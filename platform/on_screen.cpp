// Moving a window onto the screen's available area, its frame included, and again once it is framed.
#include "platform/on_screen.h"

#include "platform/platform.h"
#include "rules/window_placement.h"

#include <QEvent>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace duel {

namespace {

// How long a window waits for the window manager's frame, and how often it
// looks meanwhile.
constexpr int kFrameAwaitedMs = 3000;
constexpr int kFrameLookMs = 10;

PixelRect ToPixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The frame the window manager has put around a shown window, as it reports
// it now; none before the window is framed.  It is asked of the window itself:
// QWidget::frameGeometry keeps what it learnt at the window's last move, and a
// window placed by its client area is not moved when it is framed.  A frame
// still being put together, one that does not hold the window yet (margins
// below zero), is none either.
QMargins ReportedFrame(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    if (!window.isVisible() || handle == nullptr) return {};
    const QMargins margins = handle->frameMargins();
    const bool holds = margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
    return holds ? margins : QMargins();
}

bool IsFramed(const QWidget& window) { return !ReportedFrame(window).isNull(); }

// Waits for a window to be shown with a frame, runs its work once then and
// goes; it gives up after kFrameAwaitedMs, or with the window.  The frame's
// arrival need not move the client area (a window placed by its client area
// stays where it was put), so no event of the window's tells it: besides its
// showing, moves and resizes the watch looks every kFrameLookMs.
class FramedWatch : public QObject {
public:
    FramedWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {
        window.installEventFilter(this);
        auto* look = new QTimer(this);
        connect(look, &QTimer::timeout, this, [this] { RunIfFramed(); });
        look->start(kFrameLookMs);
        QTimer::singleShot(kFrameAwaitedMs, this, [this] { deleteLater(); });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) RunIfFramed();
        return false;
    }

private:
    void RunIfFramed() {
        if (done_ || !IsFramed(window_)) return;
        done_ = true;
        window_.removeEventFilter(this);
        deleteLater();
        then_();
    }

    QWidget& window_;
    std::function<void()> then_;
    bool done_ = false;
};

}  // namespace

QMargins FrameMarginsOf(const QWidget& window, QMargins guess) {
    const QMargins reported = ReportedFrame(window);
    return reported.isNull() ? guess : reported;
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
    PutFrameAt(window, {kept.x, kept.y}, margins);
}

void PutFrameAt(QWidget& window, QPoint corner, QMargins margins) {
    // QWidget::move takes the frame's corner on a window not made yet (the
    // window manager then puts the frame there itself, to the device pixel) and
    // on a framed one, but the client area's on a window made and not framed
    // yet: its frame would land its own extents above and left of the corner.
    // There the client area is placed, inside the frame guessed.
    if (!window.testAttribute(Qt::WA_WState_Created)) {
        window.move(corner);
        return;
    }
    const QMargins reported = ReportedFrame(window);
    if (!reported.isNull() && window.geometry().topLeft() - QPoint(reported.left(), reported.top()) == corner) return;
    const QPoint client = corner + QPoint(margins.left(), margins.top());
    if (window.geometry().topLeft() != client) window.setGeometry(QRect(client, window.size()));
}

void OnceFramed(QWidget& window, std::function<void()> then) {
    if (IsFramed(window)) {
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
