// The won picture's way from the set's files to the viewer, and the leftovers of runs that never closed it.
#include "session/gallery_prize.h"

#include "gallery/data_folders.h"
#include "gallery/gallery_sets.h"
#include "gallery/line_of_wins.h"
#include "gallery/picture_store.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "platform/utf8_text.h"
#include "session/session_screen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <vector>

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

void GalleryPrize::GiveWonPicture() {
    if (!screen_) return;
    GameState& state = state_;
    const std::string oldSet = state.beautySet;
    const uint8_t oldPicture = state.beautyPicture;
    const auto won = PictureToShow(state);
    if (!won) return;  // "none" or nothing chosen

    // Anything wrong with the set's files: no picture, the line stays where it was.
    const auto giveUp = [&](GalleryError error) {
        state.beautySet = oldSet;
        state.beautyPicture = oldPicture;
        const GalleryItem* set = GallerySetByStem(won->stem);
        Notice(platform_, screen_->ownerWidget(),
               Tr("session", "Картинку набора «%1» показать не удалось: %2")
                   .arg(set ? Tr("gallery", set->displayName.data()) : QString::fromStdString(won->stem),
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

    // The viewer removes the file when the picture cannot be shown.
    if (!screen_->ShowPicture(std::move(file.value), std::move(privateFolder))) return giveUp(GalleryError::NotJpeg);
    if (AdvanceLine(state)) Notice(platform_, screen_->ownerWidget(), Tr("gallery", kEndOfGalleryText.data()));
}

void GalleryPrize::RemoveLeftovers() {
    RemoveLeftoverPrivateFolders(QFile::encodeName(QDir::tempPath()).toStdString());
    if (platform_.installed()) return;  // nothing of ours is written beside the program
    RemoveLeftoverPictures(platform_.programFolderPath());
}

}  // namespace duel
