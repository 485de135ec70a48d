// The picture viewer: loading and laying out the picture, scrolling, saving a copy, removing the file.
#include "windows/picture_viewer.h"

#include "gallery/gallery_sets.h"
#include "gallery/save_name.h"
#include "gallery/viewer_geometry.h"
#include "platform/dialogs.h"
#include "platform/on_screen.h"
#include "platform/plain_text.h"
#include "platform/translation.h"
#include "platform/utf8_text.h"
#include "rules/game_state.h"
#include "windows/beside_host.h"
#include "windows/host_window.h"
#include "windows/twips_rect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTemporaryDir>

namespace duel {

namespace {

constexpr int kScrollBarPixels = 17;
constexpr int kSaveButtonPixels = 24;
// A picture may be large (a tall strip scrolls to its bottom); a file whose
// header claims more than this is refused rather than exhausting memory.
constexpr int kPictureMemoryLimitMb = 1024;

// A small floppy disk for the save button, drawn here.
QPixmap SaveIcon() {
    QPixmap icon(16, 16);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(4, 1, 7, 5);  // the shutter
    p.fillRect(8, 2, 2, 3, QColor(40, 60, 140));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(3, 8, 9, 6);  // the label
    p.setPen(QColor(160, 160, 160));
    p.drawLine(5, 10, 10, 10);
    p.drawLine(5, 12, 10, 12);
    return icon;
}

}  // namespace

PictureViewer::PictureViewer(GameState& state, Platform& platform, HostWindow& host, HeldFile picture,
                             std::unique_ptr<QTemporaryDir> privateFolder)
    : QDialog(host.ownerWidget()),
      state_(state),
      platform_(platform),
      host_(host),
      heldPicture_(std::move(picture)),
      pictureFile_(QString::fromStdString(heldPicture_.path().string())),
      privateFolder_(std::move(privateFolder)) {
    setObjectName(QStringLiteral("frmSee"));
    // A fixed-size dialog: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    pictureFrame_ = new QFrame(this);
    pictureFrame_->setObjectName(QStringLiteral("Frame"));
    pictureFrame_->setFrameStyle(QFrame::NoFrame);
    picture_ = MakePlain(new QLabel(pictureFrame_));
    picture_->setObjectName(QStringLiteral("pctJpg"));
    verticalScroll_ = new QScrollBar(Qt::Vertical, this);
    verticalScroll_->setObjectName(QStringLiteral("VScroll"));
    horizontalScroll_ = new QScrollBar(Qt::Horizontal, this);
    horizontalScroll_->setObjectName(QStringLiteral("HScroll"));
    horizontalScroll_->hide();
    saveButton_ = new QPushButton(this);
    saveButton_->setObjectName(QStringLiteral("cmdSave"));
    saveButton_->setIcon(SaveIcon());
    saveButton_->setToolTip(Tr("windows", "Сохранить картинку"));
    saveButton_->setAccessibleName(Tr("windows", "Сохранить картинку"));
    saveButton_->setGeometry(0, 0, kSaveButtonPixels, kSaveButtonPixels);
    saveButton_->raise();

    connect(verticalScroll_, &QScrollBar::valueChanged, this, [this] { VScroll_Change(); });
    connect(horizontalScroll_, &QScrollBar::valueChanged, this, [this] { HScroll_Change(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
}

PictureViewer::~PictureViewer() { Form_Unload(); }

bool PictureViewer::Form_Load() {
    // Decoded once, straight into the pixmap the label shows.
    QImageReader reader(pictureFile_);
    reader.setAllocationLimit(kPictureMemoryLimitMb);
    QImage image = reader.read();
    if (image.isNull()) return false;
    picture_->setPixmap(QPixmap::fromImage(std::move(image)));
    picture_->resize(picture_->pixmap().size());
    platform_.processEvents();

    const auto set = GallerySetByStem(state_.beautySet);
    if (auto title = ViewerTitle(state_.beautySet, state_.beautyPicture)) {
        setWindowTitle(QString::fromStdString(*title));
        setAccessibleName(windowTitle());
    }
    if (set) {
        picture_->setAccessibleName(Tr("windows", "Фото: %1, картинка %2")
                                        .arg(Tr("gallery", set->displayName.data()))
                                        .arg(state_.beautyPicture));
    }
    setWindowIcon(host_.icon());

    // Sized for and centred on the screen's available area where the main window stands.
    const QRect area = platform_.screenArea(host_.frameRect());
    const ViewerGeometry g = ComputeViewerGeometry(OuterTwips(picture_->width()), OuterTwips(picture_->height()),
                                                   OuterTwips(area.width()), OuterTwips(area.height()));
    pictureFrame_->setGeometry(0, 0, TwipsToPixels(g.frameWidth), TwipsToPixels(g.frameHeight));
    picture_->move(TwipsToPixels(PictureLeftForScroll(0)), TwipsToPixels(PictureTopForScroll(0)));

    verticalScroll_->setGeometry(TwipsToPixels(g.vScrollLeft), TwipsToPixels(kViewerPictureTop), kScrollBarPixels,
                                 TwipsToPixels(g.vScrollHeight));
    verticalScroll_->setRange(0, g.vScrollMax);
    verticalScroll_->setPageStep(g.vLargeChange);
    verticalScroll_->setSingleStep(g.vSmallChange);
    verticalScroll_->setValue(0);
    verticalScroll_->setVisible(!g.fits);

    horizontalScroll_->setVisible(g.hScrolls);
    if (g.hScrolls) {
        horizontalScroll_->setGeometry(0, TwipsToPixels(g.hScrollTop), TwipsToPixels(g.frameWidth), kScrollBarPixels);
        horizontalScroll_->setRange(0, g.hScrollMax);
        horizontalScroll_->setPageStep(g.hLargeChange);
        horizontalScroll_->setSingleStep(g.hSmallChange);
        horizontalScroll_->setValue(0);
    }

    setFixedSize(ClientSizeOfOuterTwips(g.windowWidth, g.windowHeight));
    MoveOntoScreen(*this, platform_, area.topLeft() + QPoint(TwipsToPixels(g.windowLeft), TwipsToPixels(g.windowTop)),
                   HostFrameMargins(host_));
    return true;
}

void PictureViewer::VScroll_Change() {
    picture_->move(picture_->x(), TwipsToPixels(PictureTopForScroll(verticalScroll_->value())));
}

void PictureViewer::HScroll_Change() {
    picture_->move(TwipsToPixels(PictureLeftForScroll(horizontalScroll_->value())), picture_->y());
}

void PictureViewer::cmdSave_Click() {
    const QString chosen =
        platform_.saveFileName(this, Tr("windows", kSaveDialogTitle), Tr("windows", kSaveDialogFilter));
    if (chosen.isEmpty()) return;  // cancelled
    const auto name = SavedPictureName(chosen.toStdString());
    if (!name) return;
    const QString target = QString::fromStdString(*name);

    // The chosen file itself is never touched; the copy replaces an existing
    // file only when the player agrees.
    if (QFileInfo::exists(target) &&
        !Question(platform_, this,
                  Tr("windows", "Файл «%1» уже существует. Заменить его ?").arg(QFileInfo(target).fileName())))
        return;

    QFile source(pictureFile_);
    QSaveFile out(target);
    const bool saved = source.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
                       out.write(source.readAll()) == source.size() && out.commit();
    if (!saved) {
        Notice(platform_, this,
               Tr("windows", "Не удалось сохранить картинку в файл «%1».").arg(QDir::toNativeSeparators(target)),
               MsgIcon::Exclamation);
    }
}

void PictureViewer::Form_Unload() {
    heldPicture_.Remove();
    privateFolder_.reset();
}

void PictureViewer::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

}  // namespace duel
