// Placing a window right-aligned with the main window, 500 twips below its top.
#include "windows/beside_host.h"

#include "rules/twips.h"
#include "windows/host_window.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace duel {

namespace {

constexpr int kBelowHostTopTwips = 500;
constexpr int kFramedAfterMs = 150;

}  // namespace

void PlaceBesideHost(QWidget& window, const HostWindow& host) {
    const QRect hostFrame = host.frameRect();
    int frameWidth = window.frameGeometry().width();
    if (frameWidth <= window.width())
        frameWidth = window.width() + std::max(0, hostFrame.width() - host.clientRect().width());
    const QPoint corner(hostFrame.x() + hostFrame.width() - frameWidth,
                        hostFrame.y() + TwipsToPixels(kBelowHostTopTwips));
    if (window.frameGeometry().topLeft() != corner) window.move(corner);
}

void KeepBesideHost(QWidget& window, const HostWindow& host) {
    PlaceBesideHost(window, host);
    QTimer::singleShot(kFramedAfterMs, &window, [&window, &host] {
        if (window.isVisible()) PlaceBesideHost(window, host);
    });
}

}  // namespace duel
