// The settings file at start-up, after every new result and at shut-down: records, window place, gallery choice.
#include "gallery/line_of_wins.h"
#include "main_window/main_window.h"
#include "platform/dialogs.h"
#include "rules/twips.h"
#include "rules/window_placement.h"
#include "storage/player_options_file.h"
#include "storage/settings_file.h"
#include "windows/keypad_window.h"

#include <cstdio>
#include <filesystem>

namespace duel {

namespace {

// The program's folder first, then the user's config folder, as the system
// names them (no text conversion, so any bytes in the path are kept).  An
// installed game keeps its settings in the user's config folder alone.
std::vector<std::filesystem::path> SettingsFolders(Platform& platform) {
    std::vector<std::filesystem::path> folders;
    if (!platform.installed()) folders.push_back(platform.programFolderPath());
    folders.push_back(platform.userConfigFolderPath());
    std::erase_if(folders, [](const std::filesystem::path& folder) { return folder.empty(); });
    return folders;
}

}  // namespace

void MainWindow::ReadSettings() {
    GameState& s = state_;
    const SettingsLoad load = LoadSettings(SettingsFolders(platform_), s);

    // The saved place, kept on the screen together with the keypad below it;
    // without one the window is centred.
    const QSize screen = platform_.screenSize();
    const PixelSize total{std::max(width(), TwipsToPixels(KeypadWindow::kWidthTwips)),
                          height() + TwipsToPixels(KeypadWindow::kHeightTwips)};
    PixelPoint place{(screen.width() - total.width) / 2, (screen.height() - total.height) / 2};
    if (load.values.mainLeftTwips && load.values.mainTopTwips)
        place = {TwipsToPixels(*load.values.mainLeftTwips), TwipsToPixels(*load.values.mainTopTwips)};
    place = ClampWindowPosition(place, total, PixelRect{0, 0, screen.width(), screen.height()});
    move(place.x, place.y);

    // The gallery choice: "1" no set, "2".."6" one of the five sets.
    RestoreGalleryChoice(s);
}

void MainWindow::RemoveStaleSaves() {
    for (const std::filesystem::path& folder : SettingsFolders(platform_)) RemoveStaleTemporaryFiles(folder);
    RemoveLeftoverPlayerOptions(platform_.userConfigFolderPath());
}

void MainWindow::SaveResults() {
    GameState& s = state_;
    SaveGalleryChoice(s);

    // While a new record holder's name is awaited, the place is stored with
    // the name typed so far (none yet): never under the earlier holder's name.
    const GameState* toSave = &s;
    GameState awaiting;
    if (s.newRecordPlace >= 1 && s.newRecordPlace <= 3) {
        awaiting = s;
        awaiting.recName(s.newRecordPlace).clear();
        toSave = &awaiting;
    }

    if (SaveSettings(SettingsFolders(platform_), *toSave, leftTwips(), topTwips())) return;
    if (platform_.quitting()) {
        // No box on the way out: the failure goes to the terminal.
        std::fprintf(stderr,
                     "shelvy: the results and settings could not be saved: neither the "
                     "program's folder nor the user's config folder can be written\n");
    } else if (unloaded_ || !saveFailureShown_) {
        // Once during the run (a save after every result would repeat it), and
        // again at the close, the last chance to save.
        saveFailureShown_ = true;
        Notice(platform_, this,
               QStringLiteral("Не удалось сохранить результаты и настройки игры: "
                              "ни папка программы, ни папка настроек пользователя "
                              "не доступны для записи."),
               MsgIcon::Exclamation);
    }
}

}  // namespace duel
