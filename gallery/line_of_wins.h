// The line of wins: the gallery choice, switching sets, and what a won game shows.
//
// The gallery menu's check mark is the game state's galleryItem (1 "none",
// 2..6 a set in menu order, 0 when nothing is checked); these rules read and
// change it, and the menu shows it.
#pragma once

#include "rules/game_state.h"
#include "rules/player_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace duel {

inline constexpr std::string_view kEndOfGalleryText =
    DUEL_MARK("gallery", "Вы достигли конца галереи. Советуем переключиться на другую красотку !!!");

inline constexpr std::string_view kDownloadOfferText =
    DUEL_MARK("gallery",
              "У вас нет некоторых файлов для полного набора. Их можно загрузить с сайте программы. "
              "Запустить браузер по нужному адресу ?");

// Start-up, after the settings were read: checks the item that the second
// character of galleryChoice names ("1" none: picture 0; "2".."6": picture 1),
// with beautyPrevLine set to it; no change for anything else.
void RestoreGalleryChoice(GameState& state);

// Shut-down, before the settings are written: galleryChoice becomes its first
// character and the checked item's digit; unchanged when nothing is checked.
void SaveGalleryChoice(GameState& state);

// Remembers the checked item in beautyPrevLine (unless none is), then unchecks all.
void RememberAndClearBeauty(GameState& state);

// Unchecks all; beautyPrevLine untouched.
inline void ClearBeauty(GameState& state) { state.galleryItem = 0; }

// What follows a click on a gallery menu item.
enum class ChoiceFollowUp {
    Nothing,      // the item was checked already
    PrizeWindow,  // a set was checked: show the prize window, then FinishLineSwitch(state, 1, ...)
    LineSwitch,   // "none" was checked: FinishLineSwitch(state, 0, ...) at once
};

// A click on item `clicked` (1..6): remembers and clears the old choice and
// checks the clicked item, unless it is checked already.
ChoiceFollowUp ChooseGalleryItem(GameState& state, int clicked);

// True when the line-switch confirmation must ask (a picture of the old line was won).
bool LineSwitchAsks(const GameState& state);

// The confirmation's question, two lines joined by CR LF, with the next picture of the old line.
std::string LineSwitchQuestion(const GameState& state);

// Ends the line-switch confirmation with restart value `restart` (0 or 1):
// when it did not ask, or the answer was Yes, the new line starts at
// `restart`; on No the old item is checked again and the old line goes on.
void FinishLineSwitch(GameState& state, int restart, bool answeredYes);

// The picture a won game shows.
struct WonPicture {
    std::string stem;
    int picture = 0;
};

// Start of the reaction to a win: nullopt when "none" or nothing is checked
// (nothing happens); otherwise sets beautySet to the checked set's stem and
// returns it with beautyPicture (a number outside the set restarts it at 1).
std::optional<WonPicture> PictureToShow(GameState& state);

// End of the reaction to a win, after the viewer has closed: moves the line
// on by one; at the end of the checked set it starts again at picture 1 and
// returns true (show kEndOfGalleryText).  Not called when the picture could
// not be shown, so the line stays where it was.
bool AdvanceLine(GameState& state);

// When opening the gallery's menu with some set missing: true once per run
// (and marks missingFilesAsked), then the download question is asked.
bool TakeDownloadOffer(GameState& state, bool someSetMissing);

}  // namespace duel
