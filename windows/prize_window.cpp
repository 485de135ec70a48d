// The prize window: the chosen set's name, thumbnail and picture count, and the line-switch question.
#include "windows/prize_window.h"

#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"
#include "platform/dialogs.h"
#include "platform/plain_text.h"
#include "platform/translation.h"
#include "platform/utf8_text.h"
#include "rules/game_state.h"
#include "windows/beside_host.h"
#include "windows/host_window.h"
#include "windows/twips_rect.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace duel {

namespace {

// The thumbnail's place inside the window.
constexpr int kPictureLeftTwips = 120;
constexpr int kPictureTopTwips = 120;
// Sizes of the buttons in the column right of the picture.
constexpr int kButtonWidthTwips = 1335;
constexpr int kButtonHeightTwips = 375;
constexpr int kButtonGapTwips = 105;
constexpr int kColumnGapTwips = 240;  // column left = picture width + this
// The window's outer size is the picture's plus these; the window manager's
// border and title bar (classically 90 x 375 twips) come off for the client area.
constexpr int kExtraWidthTwips = 1815;
constexpr int kExtraHeightTwips = 700;
}  // namespace

PrizeWindow::PrizeWindow(GameState& state, Platform& platform, HostWindow& host)
    : QDialog(host.ownerWidget()), state_(state), platform_(platform), host_(host) {
    setObjectName(QStringLiteral("frmPrice"));
    // A fixed-size dialog: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    picture_ = MakePlain(new QLabel(this));
    picture_->setObjectName(QStringLiteral("pctFoto"));
    picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture_->setLineWidth(0);

    countLabel_ = TextLabel(QString(), this);
    countLabel_->setObjectName(QStringLiteral("lblChF"));
    QFont big = countLabel_->font();
    big.setBold(true);
    big.setPointSizeF(12);
    countLabel_->setFont(big);

    playNowButton_ = new QPushButton(Tr("windows", "Играть сейчас"), this);
    playNowButton_->setObjectName(QStringLiteral("cmdGame"));
    laterButton_ = new QPushButton(Tr("windows", "Позже"), this);
    laterButton_->setObjectName(QStringLiteral("cmd"));
    laterButton_->setDefault(true);
    for (QPushButton* button : {playNowButton_, laterButton_})
        button->resize(TwipsToPixels(kButtonWidthTwips), TwipsToPixels(kButtonHeightTwips));

    connect(laterButton_, &QPushButton::clicked, this, [this] { cmd_Click(); });
    connect(playNowButton_, &QPushButton::clicked, this, [this] { cmdGame_Click(); });

    for (size_t i = 0; i < thumbnails_.size(); ++i) {
        const GalleryItem& set = GalleryItems()[i + 1];
        QLabel* holder = MakePlain(new QLabel(this));
        holder->setObjectName(FromUtf8(set.imageHolderName));
        holder->setPixmap(QPixmap(FromUtf8(set.thumbnail)));
        holder->hide();
        thumbnails_[i] = holder;
    }
}

void PrizeWindow::Form_Load() {
    for (int item : kPrizeWindowOrder) {
        if (state_.galleryItem != item) continue;
        const GalleryItem* set = GallerySetAt(item);
        setWindowTitle(Tr("gallery", set->displayName.data()));
        setAccessibleName(Tr("gallery", set->displayName.data()));
        countLabel_->setText(Tr("gallery", set->countCaption.data()));
        const QPixmap thumbnail = thumbnails_[static_cast<size_t>(item - 2)]->pixmap();
        picture_->setPixmap(thumbnail);
        picture_->setAccessibleName(Tr("windows", "Фото: %1").arg(Tr("gallery", set->displayName.data())));
    }
    picture_->adjustSize();
    picture_->move(TwipsToPixels(kPictureLeftTwips), TwipsToPixels(kPictureTopTwips));
    setWindowIcon(host_.icon());

    const int pictureWidth = PixelsToTwips(picture_->width());
    const int pictureHeight = PixelsToTwips(picture_->height());
    const int pictureTop = PixelsToTwips(picture_->y());
    const int column = TwipsToPixels(pictureWidth + kColumnGapTwips);
    const int cmdTop = pictureTop + pictureHeight - PixelsToTwips(laterButton_->height());
    laterButton_->move(column, TwipsToPixels(cmdTop));
    playNowButton_->move(column, TwipsToPixels(cmdTop - kButtonGapTwips) - playNowButton_->height());
    countLabel_->setGeometry(column, picture_->y(), TwipsToPixels(kButtonWidthTwips),
                             TwipsToPixels(3 * kButtonHeightTwips));
    countLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const int outerWidth = pictureWidth + kExtraWidthTwips;
    const int outerHeight = pictureHeight + kExtraHeightTwips;
    setFixedSize(ClientSizeOfOuterTwips(outerWidth, outerHeight));

    KeepBesideHost(*this, host_, platform_);
}

void PrizeWindow::cmd_Click() { close(); }

void PrizeWindow::cmdGame_Click() {
    close();                         // the line-switch question comes first
    state_.playNowRequested = true;  // the main window's next tick starts the game
}

void PrizeWindow::Form_Unload() {
    bool yes = false;
    if (LineSwitchAsks(state_)) yes = Question(platform_, this, QString::fromStdString(LineSwitchQuestion(state_)));
    FinishLineSwitch(state_, 1, yes);
}

void PrizeWindow::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

}  // namespace duel
