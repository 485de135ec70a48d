// Placing a window right-aligned with the main window, 500 twips below its top, whole on the screen.
#include "windows/beside_host.h"

#include "platform/on_screen.h"
#include "rules/twips.h"
#include "windows/host_window.h"

#include <QWidget>

namespace duel {

namespace {

constexpr int kBelowHostTopTwips = 500;

}  // namespace

QMargins HostFrameMargins(const HostWindow& host) {
    const QRect frame = host.frameRect();
    const QRect client = host.clientRect();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void PlaceBesideHost(QWidget& window, const HostWindow& host, Platform& platform) {
    const QRect hostFrame = host.frameRect();
    const QMargins hostMargins = HostFrameMargins(host);
    const QMargins margins = FrameMarginsOf(window, hostMargins);
    const int frameWidth = window.width() + margins.left() + margins.right();
    const QPoint corner(hostFrame.x() + hostFrame.width() - frameWidth,
                        hostFrame.y() + TwipsToPixels(kBelowHostTopTwips));
    MoveOntoScreen(window, platform, corner, hostMargins);
}

void KeepBesideHost(QWidget& window, const HostWindow& host, Platform& platform) {
    PlaceNowAndWhenFramed(window, [&window, &host, &platform] { PlaceBesideHost(window, host, platform); });
}

}  // namespace duel
