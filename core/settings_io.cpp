// The settings file at start-up and shut-down: records, window place, gallery choice.
#include "core/main_window.h"

#include "core/twips.h"
#include "core/settings_file.h"
#include "gallery/line_of_wins.h"

#include <QAction>
#include <filesystem>

namespace duel {

namespace {

// Keypad height below the main window, used to keep both on the screen.
constexpr int kKeypadHeightTwips = 1215;

std::vector<std::filesystem::path> SettingsFolders(Platform& platform) {
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : {platform.programFolder(), platform.userConfigFolder()})
        if (!folder.isEmpty()) folders.emplace_back(folder.toStdString());
    return folders;
}

}  // namespace

void MainWindow::ReadSettings() {
    GameState& s = state_;
    const SettingsLoad load = LoadSettings(SettingsFolders(platform_), s);

    // The saved place, kept on the screen together with the keypad below it;
    // without one the window is centred.
    const QSize screen = platform_.screenSize();
    const PixelSize total{std::max(width(), TwipsToPixels(2655)), height() + TwipsToPixels(kKeypadHeightTwips)};
    PixelPoint place{(screen.width() - total.width) / 2, (screen.height() - total.height) / 2};
    if (load.values.mainLeftTwips && load.values.mainTopTwips)
        place = {TwipsToPixels(*load.values.mainLeftTwips), TwipsToPixels(*load.values.mainTopTwips)};
    place = ClampWindowPosition(place, total, PixelRect{0, 0, screen.width(), screen.height()});
    move(place.x, place.y);

    // The gallery choice: "1" no set, "2".."6" one of the five sets.
    if (const int item = RestoreGalleryChoice(s)) CheckGalleryItem(item);
}

void MainWindow::WriteSettings() {
    GameState& s = state_;
    SaveGalleryChoice(s, CheckedGalleryItem());

    if (!SaveSettings(SettingsFolders(platform_), s, leftTwips(), topTwips())) {
        Notice(platform_, this,
               QStringLiteral("Не удалось сохранить результаты и настройки игры: "
                              "ни папка программы, ни папка настроек пользователя "
                              "не доступны для записи."),
               MsgIcon::Exclamation);
    }
}

}  // namespace duel
