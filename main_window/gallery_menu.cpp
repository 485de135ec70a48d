// The main window's gallery menu and the reaction to a won game (rezwin).
#include "deployment.h"
#include "gallery/data_folders.h"
#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"
#include "gallery/picture_store.h"
#include "main_window/main_window.h"
#include "platform/dialogs.h"
#include "platform/utf8_text.h"
#include "windows/picture_viewer.h"
#include "windows/prize_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>

namespace duel {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Paths(const QStringList& folders) {
    std::vector<fs::path> paths;
    for (const QString& folder : folders)
        if (!folder.isEmpty()) paths.emplace_back(folder.toStdString());
    return paths;
}

}  // namespace

// ---- the menu -----------------------------------------------------------

void MainWindow::mnuAdd_Click() {
    const std::vector<fs::path> folders = Paths(platform_.dataFolders());
    bool someMissing = false;
    for (size_t i = 1; i < galleryItems_.size(); ++i) {
        const bool present = FindSetFolder(folders, GalleryItems()[i].stem).has_value();
        galleryItems_[i]->setEnabled(present);  // a checked set keeps its mark
        someMissing = someMissing || !present;
    }
    // The question waits until the menu is on the screen: no modal box from
    // inside a menu that is still opening.
    if (TakeDownloadOffer(state_, someMissing)) QTimer::singleShot(0, this, [this] { AskForMissingSets(); });
}

void MainWindow::AskForMissingSets() {
    // A modal box under an open menu would fight it for the mouse.
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    if (Question(platform_, this, FromUtf8(kDownloadOfferText)))
        platform_.openAddress(QStringLiteral("http://") + QString::fromUtf8(DUEL_HOME_HOST));
}

void MainWindow::GalleryItem_Click(int item) {
    const ChoiceFollowUp next = ChooseGalleryItem(state_, item);
    Refresh();
    if (next == ChoiceFollowUp::Nothing) return;
    if (next == ChoiceFollowUp::PrizeWindow) {
        PrizeWindow prize(state_, platform_, *this);
        prize.Form_Load();
        platform_.showModal(prize);  // its closing runs the line-switch confirmation
    } else {
        bool yes = false;
        if (LineSwitchAsks(state_)) yes = Question(platform_, this, QString::fromStdString(LineSwitchQuestion(state_)));
        FinishLineSwitch(state_, 0, yes);
    }
    Refresh();
}

void MainWindow::mnuAddBeautyNot_Click() { GalleryItem_Click(1); }
void MainWindow::mnuAddBeautyTessaQuorin_Click() { GalleryItem_Click(2); }
void MainWindow::mnuAddBeautyMarlaVentobrix_Click() { GalleryItem_Click(3); }
void MainWindow::mnuAddBeautyDoriaFelstrand_Click() { GalleryItem_Click(4); }
void MainWindow::mnuAddBeautyLunaPressvick_Click() { GalleryItem_Click(5); }
void MainWindow::mnuAddBeautyNinaCorveld_Click() { GalleryItem_Click(6); }

// ---- start-up -----------------------------------------------------------

// Pictures left behind by runs that ended without closing their viewer; a
// picture another running game shows is held by it and stays.
void MainWindow::RemoveLeftoverPictures() {
    duel::RemoveLeftoverPrivateFolders(QFile::encodeName(QDir::tempPath()).toStdString());
    if (platform_.installed()) return;  // nothing of ours is written beside the program
    duel::RemoveLeftoverPictures(platform_.programFolderPath());
}

// ---- a won game ---------------------------------------------------------

void MainWindow::ShowWonPicture() {
    const std::string oldSet = state_.beautySet;
    const uint8_t oldPicture = state_.beautyPicture;
    const auto won = PictureToShow(state_);
    if (!won) return;  // "none" or nothing chosen

    // Anything wrong with the set's files: no picture, the line stays where it was.
    const auto giveUp = [&](GalleryError error) {
        state_.beautySet = oldSet;
        state_.beautyPicture = oldPicture;
        const GalleryItem* set = GallerySetByStem(won->stem);
        Notice(platform_, this,
               QStringLiteral("Картинку набора «%1» показать не удалось: %2")
                   .arg(set ? FromUtf8(set->displayName) : QString::fromStdString(won->stem),
                        QString::fromStdString(GalleryErrorText(error))),
               MsgIcon::Exclamation);
    };

    const auto folder = FindSetFolder(Paths(platform_.dataFolders()), won->stem);
    if (!folder) return giveUp(GalleryError::FilesMissing);
    const GalleryResult<std::string> bytes = ExtractPicture(*folder, won->stem, won->picture);
    if (!bytes) return giveUp(bytes.error);

    // The picture goes beside the program, or into a private folder when
    // the program's folder cannot be written or belongs to an installation.
    std::unique_ptr<QTemporaryDir> privateFolder;
    GalleryResult<HeldFile> file = GalleryError::WriteFailed;
    if (!platform_.installed())
        file = WriteTemporaryPicture({platform_.programFolderPath()}, won->stem, won->picture, bytes.value);
    if (!file) {
        privateFolder = std::make_unique<QTemporaryDir>(
            QDir::tempPath() + u'/' + FromUtf8(kPrivatePictureFolderPrefix) + QStringLiteral("XXXXXX"));
        if (privateFolder->isValid())
            file = WriteTemporaryPicture(Paths({privateFolder->path()}), won->stem, won->picture, bytes.value);
    }
    if (!file) return giveUp(GalleryError::WriteFailed);

    {
        PictureViewer viewer(state_, platform_, *this, std::move(file.value), std::move(privateFolder));
        if (!viewer.Form_Load()) return giveUp(GalleryError::NotJpeg);  // the viewer removes the file
        platform_.showModal(viewer);
    }
    if (AdvanceLine(state_)) Notice(platform_, this, FromUtf8(kEndOfGalleryText));
}

}  // namespace duel
