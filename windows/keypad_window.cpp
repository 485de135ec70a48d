// The digit keypad window: layout, decoration, its handlers and its life.
#include "windows/keypad_window.h"

#include "duel/duel.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "rules/dock_geometry.h"
#include "rules/game_state.h"
#include "rules/window_placement.h"
#include "windows/arrow_window.h"
#include "windows/host_window.h"
#include "windows/keyboard_play.h"
#include "windows/twips_rect.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPushButton>
#include <qdrawutil.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <utility>

namespace duel {

namespace {

constexpr int kButtonTwips = 495;
constexpr std::array<int, 5> kColumnTwips{120, 600, 1080, 1560, 2040};
constexpr int kTopRowTwips = 120;
constexpr int kBottomRowTwips = 600;

constexpr std::array<const char*, 9> kDigitTips{
    DUEL_MARK("windows", "один"),   DUEL_MARK("windows", "два"),    DUEL_MARK("windows", "три"),
    DUEL_MARK("windows", "четыре"), DUEL_MARK("windows", "пять"),   DUEL_MARK("windows", "шесть"),
    DUEL_MARK("windows", "семь"),   DUEL_MARK("windows", "восемь"), DUEL_MARK("windows", "девять")};

constexpr int kStrokeStepPixels = 3;

QFont DigitFont() {
    // Century is rarely installed outside Windows: fall back to a serif face
    // of the same build.
    const QString family = QStringLiteral("Century");
    if (QFont::substitutes(family).isEmpty()) {
        QFont::insertSubstitutions(family, {QStringLiteral("C059"), QStringLiteral("Century Schoolbook L"),
                                            QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    }
    QFont font(family);
    font.setPointSizeF(14.25);
    return font;
}

// The Cancel button's picture: a triangle pointing left.
QIcon LeftTriangleIcon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(12, 2), QPoint(12, 14), QPoint(3, 8)}));
    return QIcon(picture);
}

}  // namespace

KeypadWindow::KeypadWindow(GameState& state, Platform& platform, HostWindow& host)
    : QWidget(nullptr), state_(state), platform_(platform), host_(host) {
    setObjectName(QStringLiteral("фрмЧифры"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setFixedSize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
    // Moves without a button held reach the hover zones and the digit buttons.
    setMouseTracking(true);
    BuildButtons();
    leftArrow_ = std::make_unique<ArrowWindow>(ArrowSide::Left, state_, *this);
    rightArrow_ = std::make_unique<ArrowWindow>(ArrowSide::Right, state_, *this);
}

KeypadWindow::~KeypadWindow() = default;

QPushButton* KeypadWindow::AddButton(const QString& name, int leftTwips, int topTwips) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setGeometry(TwipsRect(leftTwips, topTwips, kButtonTwips, kButtonTwips));
    return button;
}

void KeypadWindow::BuildButtons() {
    const QFont font = DigitFont();
    for (int digit = 1; digit <= 9; ++digit) {
        const int slot = digit - 1;
        const int top = slot < 5 ? kTopRowTwips : kBottomRowTwips;
        QPushButton* button = AddButton(QStringLiteral("кнп%1").arg(digit), kColumnTwips[slot % 5], top);
        button->setText(QString::number(digit));
        button->setToolTip(Tr("windows", kDigitTips[slot]));
        button->setFont(font);
        button->installEventFilter(this);
        button->setMouseTracking(true);
        connect(button, &QPushButton::clicked, this, [this, digit] { DigitButton_Click(digit); });
        digitButtons_[slot] = button;
    }
    cancelButton_ = AddButton(QStringLiteral("кнпОтмена"), kColumnTwips[4], kBottomRowTwips);
    cancelButton_->setToolTip(Tr("windows", "Отмена"));
    cancelButton_->setAccessibleName(cancelButton_->toolTip());  // it has a picture, no caption
    cancelButton_->setIcon(LeftTriangleIcon());
    cancelButton_->setIconSize(QSize(16, 16));
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, [this] { кнпОтмена_Click(); });

    QWidget* previous = digitButtons_[0];
    for (size_t slot = 1; slot <= digitButtons_.size(); ++slot) {
        QWidget* next = slot < digitButtons_.size() ? static_cast<QWidget*>(digitButtons_[slot]) : cancelButton_;
        setTabOrder(previous, next);
        previous = next;
    }
}

void KeypadWindow::Form_Load() {
    docking_.offset = OffsetForPlacement();
    PlaceUnderMain();
    show();
}

TwipPoint KeypadWindow::MainCornerTwips() const {
    const QRect mainFrame = host_.frameRect();
    return {OuterTwips(mainFrame.x()), OuterTwips(mainFrame.y())};
}

int32_t KeypadWindow::OffsetForPlacement() const {
    const GameState& state = state_;
    return KeypadOffset(state.keypadDock, OuterTwips(host_.frameRect().width()), OuterTwips(frameGeometry().width()),
                        docking_.offset);
}

// The player may drag the main window so near the screen's bottom or side
// edge that the keypad's docked place leaves the screen: the keypad then stays
// whole on the screen, over the main window's edge, and docks as before once
// the main window is dragged back.  Moving the main window itself back would
// undo the player's own drag.
QPoint KeypadWindow::PlaceFor(int32_t offset) const {
    const QRect mainFrame = host_.frameRect();
    const TwipPoint docked =
        KeypadTopLeft(OuterTwips(mainFrame.x()), OuterTwips(mainFrame.y()), OuterTwips(mainFrame.height()), offset);
    const QRect own = frameGeometry();
    const QRect area = platform_.screenArea(mainFrame);
    const PixelPoint kept =
        ClampWindowPosition({TwipsToPixels(docked.left), TwipsToPixels(docked.top)}, {own.width(), own.height()},
                            {area.x(), area.y(), area.width(), area.height()});
    return {kept.x, kept.y};
}

void KeypadWindow::PlaceUnderMain() {
    const QPoint corner = PlaceFor(docking_.offset);
    move(corner);
    leftArrow_->Place(corner);
    rightArrow_->Place(corner);
}

// The height matters because the window manager adds the main window's frame
// after the first docking: without it the keypad would stay a title bar too
// high.  A change of the width alone moves nothing.
void KeypadWindow::Redock() {
    const TwipPoint mainCorner = MainCornerTwips();
    const int32_t mainHeight = PixelsToTwips(host_.frameRect().height());
    if (state_.keypadDock == docking_.appliedDock) {
        if (mainCorner == docking_.mainCorner && mainHeight == docking_.mainHeight) return;
    } else {
        docking_.appliedDock = state_.keypadDock;
        docking_.offset = OffsetForPlacement();
    }
    docking_.mainCorner = mainCorner;
    docking_.mainHeight = mainHeight;
    PlaceUnderMain();
}

void KeypadWindow::Unload() {
    unloading_ = true;
    close();
}

void KeypadWindow::closeEvent(QCloseEvent* event) {
    // The keypad has no close of its own: it goes only with the main window.
    if (unloading_) {
        event->accept();
        leftArrow_->close();
        rightArrow_->close();
    } else {
        event->ignore();
    }
}

void KeypadWindow::UpdateCancelButton() {
    const bool hasText = !state_.composedGuess.empty();
    if (cancelButton_->isHidden() == hasText) cancelButton_->setVisible(hasText);
}

bool KeypadWindow::PressDigit(int digit) {
    return digit >= 1 && digit <= 9 && ClickWhereTheMouseCould(digitButtons_[static_cast<size_t>(digit - 1)]);
}

bool KeypadWindow::PressCancel() { return ClickWhereTheMouseCould(cancelButton_); }

void KeypadWindow::DigitButton_Click(int digit) {
    AddDigit(state_, platform_, host_.ownerWidget(), digit);
    host_.Refresh();
}

// Takes the digit back even while the guess is closed.
void KeypadWindow::кнпОтмена_Click() {
    TakeBackDigit(state_);
    host_.Refresh();
}

void KeypadWindow::DigitButton_MouseDown(int digit, Qt::MouseButton button) {
    // The marks are the player's notepad: "?" then "X" then the digit again.
    // They never change what the button enters and touch no game state.
    if (button != Qt::RightButton || digit < 1 || digit > 9) return;
    QPushButton* target = digitButtons_[static_cast<size_t>(digit - 1)];
    const QString caption = target->text();
    const QString digitText = QString::number(digit);
    if (caption == digitText) {
        target->setText(QStringLiteral("?"));
    } else if (caption == QLatin1String("?")) {
        target->setText(QStringLiteral("X"));
    } else if (caption == QLatin1String("X")) {
        target->setText(digitText);
    }
}

void KeypadWindow::mouseMoveEvent(QMouseEvent* event) {
    // Twips of the client area; a pointer between pixels keeps its fraction.
    const QPointF at = event->position();
    Form_MouseMove(event->buttons(), event->modifiers(), qRound(at.x() * PixelsToTwips(1)),
                   qRound(at.y() * PixelsToTwips(1)));
    QWidget::mouseMoveEvent(event);
}

void KeypadWindow::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    switch (HoverZoneAt(x, y, state_.keypadDock)) {
        case HoverZone::Left:
            ShowArrowWindow(ArrowSide::Left);
            break;
        case HoverZone::Right:
            ShowArrowWindow(ArrowSide::Right);
            break;
        case HoverZone::None:
            break;
    }
}

void KeypadWindow::ShowArrowWindow(ArrowSide side) {
    const bool left = side == ArrowSide::Left;
    bool& shownBefore = left ? docking_.leftArrowShown : docking_.rightArrowShown;
    ArrowWindow& arrow = left ? *leftArrow_ : *rightArrow_;
    if (!shownBefore) {
        // The arrow window's load: the offset by the offset rule, then its place.
        shownBefore = true;
        docking_.offset = OffsetForPlacement();
        arrow.Place(PlaceFor(docking_.offset));
    }
    if (arrow.isHidden()) arrow.show();
}

void KeypadWindow::CloseArrowWindows() {
    if (leftArrow_->isVisible() || rightArrow_->isVisible()) {
        leftArrow_->hide();
        rightArrow_->hide();
    }
}

void KeypadWindow::Form_Activate() { CloseArrowWindows(); }

void KeypadWindow::DigitButton_MouseMove(int) { CloseArrowWindows(); }

void KeypadWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
    QWidget::changeEvent(event);
}

bool KeypadWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        for (int slot = 0; slot < 9; ++slot) {
            if (watched == digitButtons_[static_cast<size_t>(slot)]) DigitButton_MouseMove(slot + 1);
        }
    }
    // A quick second press arrives as a double click; it is a press all the same.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press) {
        for (int slot = 0; slot < 9; ++slot) {
            if (watched == digitButtons_[static_cast<size_t>(slot)]) {
                DigitButton_MouseDown(slot + 1, static_cast<QMouseEvent*>(event)->button());
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void KeypadWindow::paintEvent(QPaintEvent*) { PaintDecoration(); }

void KeypadWindow::PaintDecoration() {
    QPainter painter(this);
    // A thin raised border stands in for the frame the window manager does not draw.
    qDrawShadePanel(&painter, rect(), palette(), false, 1);

    // The hover strips: yellow, with a blue stroke one pixel high every three pixels.
    const int top = TwipsToPixels(kStripTop);
    const int bottom = TwipsToPixels(kStripBottom);
    for (const auto& [from, to] :
         {std::pair{kLeftStripFrom, kLeftStripTo}, std::pair{kRightStripFrom, kRightStripTo}}) {
        const int left = TwipsToPixels(from);
        const int width = TwipsToPixels(to) - left + 1;
        painter.fillRect(QRect(left, top, width, bottom - top + 1), QColor(255, 255, 0));
        for (int y = top; y <= bottom; y += kStrokeStepPixels) {
            painter.fillRect(QRect(left, y, width, 1), QColor(0, 0, 255));
        }
    }
}

}  // namespace duel
