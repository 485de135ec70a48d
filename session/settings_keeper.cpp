// The settings file at start-up, after every new result and at the close: records, window place, gallery choice.
#include "session/settings_keeper.h"

#include "gallery/line_of_wins.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "session/session_screen.h"

#include <cstdio>

namespace duel {

SettingsKeeper::SettingsKeeper(GameState& state, Platform& platform) : state_(state), platform_(platform) {}

// The program's folder first, then the user's config folder, as the system
// names them (no text conversion, so any bytes in the path are kept).  An
// installed game keeps its settings in the user's config folder alone.
std::vector<std::filesystem::path> SettingsKeeper::Folders() const {
    std::vector<std::filesystem::path> folders;
    if (!platform_.installed()) folders.push_back(platform_.programFolderPath());
    folders.push_back(platform_.userConfigFolderPath());
    std::erase_if(folders, [](const std::filesystem::path& folder) { return folder.empty(); });
    return folders;
}

SettingsLoad SettingsKeeper::Load() {
    SettingsLoad load = LoadSettings(Folders(), state_);
    // The gallery choice: "1" no set, "2".."6" one of the five sets.
    RestoreGalleryChoice(state_);
    return load;
}

void SettingsKeeper::RemoveLeftovers() {
    for (const std::filesystem::path& folder : Folders()) RemoveStaleTemporaryFiles(folder);
}

void SettingsKeeper::Save(bool closing) {
    SaveGalleryChoice(state_);

    // While a new record holder's name is awaited, the place is stored with
    // the name typed so far (none yet): never under the earlier holder's name.
    const GameState* toSave = &state_;
    GameState awaiting;
    if (state_.recordNameAwaited()) {
        awaiting = state_;
        awaiting.record(state_.newRecordPlace).name.clear();
        toSave = &awaiting;
    }

    const TwipPoint place = screen_ ? screen_->windowPlace() : TwipPoint{};
    if (SaveSettings(Folders(), *toSave, place.left, place.top)) return;
    if (platform_.quitting()) {
        // No box on the way out: the failure goes to the terminal.
        std::fprintf(stderr,
                     "shelvy: the results and settings could not be saved: neither the "
                     "program's folder nor the user's config folder can be written\n");
    } else if (closing || !failureShown_) {
        // Once during the run (a save after every result would repeat it), and
        // again at the close, the last chance to save.
        failureShown_ = true;
        Notice(platform_, screen_ ? screen_->ownerWidget() : nullptr,
               Tr("session",
                  "Не удалось сохранить результаты и настройки игры: "
                  "ни папка программы, ни папка настроек пользователя "
                  "не доступны для записи."),
               MsgIcon::Exclamation);
    }
}

}  // namespace duel
