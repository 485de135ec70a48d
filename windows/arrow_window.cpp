// The arrow windows: a drawn arrow on a button, their place beside the keypad and their clicks.
#include "windows/arrow_window.h"

#include "platform/translation.h"
#include "rules/game_state.h"
#include "windows/twips_rect.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPushButton>

namespace duel {

namespace {

// A solid arrow, drawn for the button: a shaft and a head pointing to `side`.
QIcon ArrowIcon(ArrowSide side) {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 160));
    QPolygon arrow(
        {QPoint(2, 12), QPoint(12, 3), QPoint(12, 8), QPoint(22, 8), QPoint(22, 16), QPoint(12, 16), QPoint(12, 21)});
    if (side == ArrowSide::Right) {
        for (QPoint& point : arrow) point.setX(24 - point.x());
    }
    painter.drawPolygon(arrow);
    return QIcon(picture);
}

}  // namespace

ArrowWindow::ArrowWindow(ArrowSide side, GameState& state, const QWidget& keypad)
    : QWidget(nullptr), side_(side), state_(state), keypad_(keypad) {
    const bool left = side == ArrowSide::Left;
    setObjectName(left ? QStringLiteral("frmLButton") : QStringLiteral("frmRButton"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The arrows go with the keypad; they never keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TwipsToPixels(kClientTwips), TwipsToPixels(kClientTwips));

    // The button is a shade larger than the window and fills it.
    button_ = new QPushButton(this);
    button_->setObjectName(left ? QStringLiteral("cmdLeft") : QStringLiteral("cmdRight"));
    button_->setGeometry(TwipsRect(0, 0, kButtonTwips, kButtonTwips));
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setIcon(ArrowIcon(side));
    button_->setIconSize(QSize(24, 24));
    button_->setAccessibleName(left ? Tr("windows", "Влево") : Tr("windows", "Вправо"));
    connect(button_, &QPushButton::clicked, this, [this, left] { left ? cmdLeft_Click() : cmdRight_Click(); });
}

void ArrowWindow::Place(QPoint keypadCorner) {
    const QRect pad = keypad_.frameGeometry();
    const QRect own = frameGeometry();
    const TwipPoint corner =
        ArrowBesideKeypad(side_, {OuterTwips(keypadCorner.x()), OuterTwips(keypadCorner.y())}, OuterTwips(pad.width()),
                          OuterTwips(pad.height()), OuterTwips(own.width()), OuterTwips(own.height()));
    move(TwipsToPixels(corner.left), TwipsToPixels(corner.top));
}

void ArrowWindow::cmdLeft_Click() { ArrowClicked(); }
void ArrowWindow::cmdRight_Click() { ArrowClicked(); }

void ArrowWindow::ArrowClicked() {
    const ArrowClick click = AfterArrowClick(side_, state_.keypadDock);
    state_.keypadDock = click.dock;
    if (click.hideArrow) hide();
}

}  // namespace duel
