// The about window: layout in twips, hover colours of the two links and their targets.
#include "windows/about_window.h"

#include "deployment.h"
#include "platform/dialogs.h"
#include "platform/plain_text.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "windows/beside_host.h"
#include "windows/host_window.h"
#include "windows/twips_rect.h"

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>

#include <algorithm>

namespace duel {

namespace {

const QColor kLinkBlue(0, 0, 255);
const QColor kLinkRed(255, 0, 0);

// Layout, twips of the client area.
constexpr int kPictureTwips = 480;  // 32 pixels
constexpr int kMargin = 180;
constexpr int kTextLeft = kMargin + kPictureTwips + 180;
constexpr int kTextWidth = AboutWindow::kWidthTwips - 2 * kTextLeft;
constexpr int kLineHeight = 255;
constexpr int kCaptionWidth = 960;  // "E-mail:", "HomePage:"
constexpr int kLinkLeft = kTextLeft + kCaptionWidth;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;

// The author's location: country, region and town, the empty ones left out.
QString Location() {
    QStringList parts;
    for (const char* part : {DUEL_COUNTRY, DUEL_REGION, DUEL_TOWN}) {
        const QString text = QString::fromUtf8(part).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    return parts.join(QStringLiteral(", "));
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

AboutWindow::AboutWindow(Platform& platform, HostWindow& host)
    : QDialog(host.ownerWidget()), platform_(platform), host_(host) {
    setObjectName(QStringLiteral("фрмО_программе"));
    setWindowTitle(Tr("windows", "О программе \"%1\"").arg(Tr("platform", kProductTitle)));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
    setMouseTracking(true);
    BuildControls();
}

QString AboutWindow::MailTarget() { return QStringLiteral("mailto:") + QString::fromUtf8(DUEL_EMAIL); }

QString AboutWindow::HomePageTarget() { return QStringLiteral("http://") + QString::fromUtf8(DUEL_HOME_HOST); }

void AboutWindow::BuildControls() {
    auto label = [this](const char* name, const QString& text, QRect twipsGeometry) {
        QLabel* created = TextLabel(text, this);
        created->setObjectName(QString::fromUtf8(name));
        created->setGeometry(twipsGeometry);
        created->setMouseTracking(true);
        created->installEventFilter(this);
        return created;
    };

    int top = kMargin;
    authorLabel_ = label(
        "lblFIO", QString::fromUtf8(DUEL_AUTHOR_NAME) + QStringLiteral(" , ") + QString::fromUtf8(DUEL_AUTHOR_DATE),
        TwipsRect(kTextLeft, top, kTextWidth, kLineHeight));
    top += kLineHeight + 60;
    locationLabel_ = label("lblAdress", Location(), TwipsRect(kTextLeft, top, kTextWidth, kLineHeight));
    top += kLineHeight + 300;
    mailCaption_ = label("lblMail", QStringLiteral("E-mail:"), TwipsRect(kTextLeft, top, kCaptionWidth, kLineHeight));
    mailLink_ = label("lblMailAdress", QString::fromUtf8(DUEL_EMAIL),
                      TwipsRect(kLinkLeft, top, kTextWidth - kCaptionWidth, kLineHeight));
    top += kLineHeight + 60;
    homePageCaption_ =
        label("lblHP", QStringLiteral("HomePage:"), TwipsRect(kTextLeft, top, kCaptionWidth, kLineHeight));
    homePageLink_ = label("lblHPAdress", QString::fromUtf8(DUEL_HOME_HOST),
                          TwipsRect(kLinkLeft, top, kTextWidth - kCaptionWidth, kLineHeight));
    authorLabel_->setAlignment(Qt::AlignCenter);
    locationLabel_->setAlignment(Qt::AlignCenter);

    // The links: blue, underlined, in the interface font, with a hand pointer.
    // They are as wide as their text, so the pointer and the colour change
    // only over the words.
    QFont linkFont(QStringLiteral("MS Sans Serif"));
    linkFont.setPointSizeF(8.25);
    linkFont.setUnderline(true);
    for (QLabel* link : {homePageLink_, mailLink_}) {
        link->setFont(linkFont);
        link->setCursor(Qt::PointingHandCursor);
        link->setToolTip(link == homePageLink_ ? HomePageTarget() : MailTarget());
        link->setAccessibleName(link->text());
        link->setAccessibleDescription(link == homePageLink_ ? Tr("windows", "Домашняя страница, ссылка")
                                                             : Tr("windows", "Электронная почта, ссылка"));
        link->resize(std::min(link->sizeHint().width(), link->width()), link->height());
        SetTextColour(link, kLinkBlue);
    }

    leftPicture_ = label("изб1", QString(), TwipsRect(kMargin, kMargin, kPictureTwips, kPictureTwips));
    rightPicture_ = label("изб2", QString(),
                          TwipsRect(kWidthTwips - kMargin - kPictureTwips, kMargin, kPictureTwips, kPictureTwips));

    okButton_ = new QPushButton(Tr("windows", "ОК"), this);
    okButton_->setObjectName(QStringLiteral("кнпОК"));
    okButton_->setToolTip(Tr("windows", "Выход"));
    okButton_->setGeometry(TwipsRect((kWidthTwips - kButtonWidth) / 2, kHeightTwips - kMargin - kButtonHeight,
                                     kButtonWidth, kButtonHeight));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { кнпОК_Click(); });

    // The author's line, the pictures and the button have no hover step:
    // a move over them changes nothing, not even through the window below.
    for (QWidget* still : {static_cast<QWidget*>(authorLabel_), static_cast<QWidget*>(leftPicture_),
                           static_cast<QWidget*>(rightPicture_), static_cast<QWidget*>(okButton_)}) {
        still->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void AboutWindow::Form_Load() {
    KeepBesideHost(*this, host_, platform_);
    setWindowIcon(host_.icon());
    const QPixmap picture = host_.icon().pixmap(TwipsToPixels(kPictureTwips));
    leftPicture_->setPixmap(picture);
    rightPicture_->setPixmap(leftPicture_->pixmap());
    // mailLink_ takes the pointer of homePageLink_.
    mailLink_->setCursor(homePageLink_->cursor());
}

void AboutWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        Form_Load();
    }
    QDialog::showEvent(event);
}

void AboutWindow::SetLinkColours(bool homePageRed, bool mailRed) {
    SetTextColour(homePageLink_, homePageRed ? kLinkRed : kLinkBlue);
    SetTextColour(mailLink_, mailRed ? kLinkRed : kLinkBlue);
}

void AboutWindow::Form_MouseMove() { SetLinkColours(false, false); }
void AboutWindow::lblAdress_MouseMove() { SetLinkColours(false, false); }
void AboutWindow::lblHP_MouseMove() { SetLinkColours(false, false); }
void AboutWindow::lblMail_MouseMove() { SetLinkColours(false, false); }
void AboutWindow::lblHPAdress_MouseMove() { SetLinkColours(true, false); }
void AboutWindow::lblMailAdress_MouseMove() { SetLinkColours(false, true); }

void AboutWindow::lblHPAdress_Click() { platform_.openAddress(HomePageTarget()); }
void AboutWindow::lblMailAdress_Click() { platform_.openAddress(MailTarget()); }
void AboutWindow::кнпОК_Click() { close(); }

void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == homePageLink_)
            lblHPAdress_MouseMove();
        else if (watched == mailLink_)
            lblMailAdress_MouseMove();
        else if (watched == locationLabel_)
            lblAdress_MouseMove();
        else if (watched == homePageCaption_)
            lblHP_MouseMove();
        else if (watched == mailCaption_)
            lblMail_MouseMove();
        else
            return QDialog::eventFilter(watched, event);
        return true;  // handled here, not again by the window below
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* link = qobject_cast<QLabel*>(watched);
        const bool inside = link && link->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && inside) {
            if (watched == homePageLink_) {
                lblHPAdress_Click();
                return true;
            }
            if (watched == mailLink_) {
                lblMailAdress_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace duel
