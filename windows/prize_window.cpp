// The prize window: the chosen set's name, thumbnail and picture count, and the line-switch question.
#include "windows/prize_window.h"

#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"
#include "platform/dialogs.h"
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
// The window's top lies this far below the main window's top.

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

PrizeWindow::PrizeWindow(GameState& state, Platform& platform, HostWindow& host, int& checkedItem)
    : QDialog(host.ownerWidget()), state_(state), platform_(platform), host_(host), checkedItem_(checkedItem) {
    setObjectName(QStringLiteral("frmPrice"));
    // A fixed-size dialog: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    pctFoto = new QLabel(this);
    pctFoto->setObjectName(QStringLiteral("pctFoto"));
    pctFoto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pctFoto->setLineWidth(0);

    lblChF = new QLabel(this);
    lblChF->setObjectName(QStringLiteral("lblChF"));
    lblChF->setTextFormat(Qt::PlainText);
    QFont big = lblChF->font();
    big.setBold(true);
    big.setPointSizeF(12);
    lblChF->setFont(big);

    cmdGame = new QPushButton(QStringLiteral("Играть сейчас"), this);
    cmdGame->setObjectName(QStringLiteral("cmdGame"));
    cmd = new QPushButton(QStringLiteral("Позже"), this);
    cmd->setObjectName(QStringLiteral("cmd"));
    cmd->setDefault(true);
    for (QPushButton* button : {cmdGame, cmd})
        button->resize(TwipsToPixels(kButtonWidthTwips), TwipsToPixels(kButtonHeightTwips));

    connect(cmd, &QPushButton::clicked, this, [this] { cmd_Click(); });
    connect(cmdGame, &QPushButton::clicked, this, [this] { cmdGame_Click(); });

    for (size_t i = 0; i < imageHolders.size(); ++i) {
        const GalleryItem& set = GalleryItems()[i + 1];
        auto* holder = new QLabel(this);
        holder->setObjectName(Utf8(set.imageHolderName));
        holder->setPixmap(QPixmap(Utf8(set.thumbnail)));
        holder->hide();
        imageHolders[i] = holder;
    }
}

void PrizeWindow::Form_Load() {
    for (int item : kPrizeWindowOrder) {
        if (checkedItem_ != item) continue;
        const GalleryItem* set = GallerySetAt(item);
        setWindowTitle(Utf8(set->displayName));
        setAccessibleName(Utf8(set->displayName));
        lblChF->setText(Utf8(set->countCaption));
        const QPixmap thumbnail = imageHolders[static_cast<size_t>(item - 2)]->pixmap();
        pctFoto->setPixmap(thumbnail);
        pctFoto->setAccessibleName(QStringLiteral("Фото: ") + Utf8(set->displayName));
    }
    pctFoto->adjustSize();
    pctFoto->move(TwipsToPixels(kPictureLeftTwips), TwipsToPixels(kPictureTopTwips));
    setWindowIcon(host_.icon());

    const int pictureWidth = PixelsToTwips(pctFoto->width());
    const int pictureHeight = PixelsToTwips(pctFoto->height());
    const int pictureTop = PixelsToTwips(pctFoto->y());
    const int column = TwipsToPixels(pictureWidth + kColumnGapTwips);
    const int cmdTop = pictureTop + pictureHeight - PixelsToTwips(cmd->height());
    cmd->move(column, TwipsToPixels(cmdTop));
    cmdGame->move(column, TwipsToPixels(cmdTop - kButtonGapTwips) - cmdGame->height());
    lblChF->setGeometry(column, pctFoto->y(), TwipsToPixels(kButtonWidthTwips), TwipsToPixels(3 * kButtonHeightTwips));
    lblChF->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const int outerWidth = pictureWidth + kExtraWidthTwips;
    const int outerHeight = pictureHeight + kExtraHeightTwips;
    setFixedSize(ClientSizeOfOuterTwips(outerWidth, outerHeight));

    KeepBesideHost(*this, host_);
}

void PrizeWindow::cmd_Click() { close(); }

void PrizeWindow::cmdGame_Click() {
    close();  // the line-switch question comes first
    host_.RequestNewGame();
}

void PrizeWindow::Form_Unload() {
    bool yes = false;
    if (LineSwitchAsks(state_)) yes = Question(platform_, this, QString::fromStdString(LineSwitchQuestion(state_)));
    FinishLineSwitch(state_, checkedItem_, 1, yes);
}

void PrizeWindow::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

}  // namespace duel
