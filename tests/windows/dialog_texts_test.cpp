// The texts of the dialogs one won game asks for: the number prompt's title, the thinking window, the save dialog.
#include "gallery/gallery_sets.h"
#include "gallery/pack_set.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace duel::testing {
namespace {

using DialogTexts = WindowTest;

std::string SmallJpeg() {
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes.toStdString();
}

TEST_F(DialogTexts, OneWonGamesPromptThinkingWindowAndSaveDialogCarryTheirTexts) {
    constexpr int kLuna = 5;
    const auto packed = PackPictures(std::vector<std::string>(4, SmallJpeg()));
    ASSERT_TRUE(packed.ok());
    const std::filesystem::path stem =
        std::filesystem::path(folder.path().toStdString()) / std::string(GallerySetAt(kLuna)->stem);
    ASSERT_EQ(WritePackedSet(stem, packed.value), GalleryError::None);
    find<QAction>(QStringLiteral("mnuAddBeautyLunaPressvick"))->trigger();
    ASSERT_EQ(state().galleryItem, kLuna);

    QString thinkingCaption, thinkingFont;
    platform.onProcessEvents = [&] {
        const QLabel* caption = label(QStringLiteral("Метка1"));
        if (!caption || !caption->isVisible()) return;
        thinkingCaption = caption->text();
        thinkingFont = caption->font().family();
    };
    platform.sequence.clear();
    StartGame(QStringLiteral("5678"));
    platform.onProcessEvents = nullptr;

    state().composedGuess = state().compNumber;
    platform.modalScripts.push_back(
        [](QDialog& viewer) { viewer.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click(); });
    window->кнпСчитать_Click();

    EXPECT_EQ(platform.inputTitles, std::vector<QString>{"Шелвы и злыки v 2.0"});
    EXPECT_EQ(thinkingCaption, "Думаю ...");
    EXPECT_EQ(thinkingFont, "Times New Roman");
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(platform.saveDialogs[0].title, "Выберете файл для сохранения картинки");
    EXPECT_EQ(platform.saveDialogs[0].filter, "Все файлы (*)");
    EXPECT_EQ(platform.sequence,
              (std::vector<std::string>{"input: Загадайте число:", "window: frmSee",
                                        "save: Выберете файл для сохранения картинки", "window: фрмРекорды"}));
}

}  // namespace
}  // namespace duel::testing
