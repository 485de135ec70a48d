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

void PlaceBesideHost(QWidget& window, const HostWindow& host, QSize screen) {
    const QRect hostFrame = host.frameRect();
    int frameWidth = window.frameGeometry().width();
    if (frameWidth <= window.width())
        frameWidth = window.width() + std::max(0, hostFrame.width() - host.clientRect().width());
    QPoint corner(hostFrame.x() + hostFrame.width() - frameWidth, hostFrame.y() + TwipsToPixels(kBelowHostTopTwips));
    if (screen.isValid()) {
        const int frameHeight = std::max(window.frameGeometry().height(), window.height());
        corner.setX(std::max(0, std::min(corner.x(), screen.width() - frameWidth)));
        corner.setY(std::max(0, std::min(corner.y(), screen.height() - frameHeight)));
    }
    if (window.frameGeometry().topLeft() != corner) window.move(corner);
}

void KeepBesideHost(QWidget& window, const HostWindow& host, QSize screen) {
    PlaceBesideHost(window, host, screen);
    QTimer::singleShot(kFramedAfterMs, &window, [&window, &host, screen] {
        if (window.isVisible()) PlaceBesideHost(window, host, screen);
    });
}

}  // namespace duel
