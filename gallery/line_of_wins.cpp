// The line of wins' state changes: choosing sets, confirming a switch, moving on after a win.
#include "gallery/line_of_wins.h"

#include "gallery/gallery_sets.h"
#include "rules/player_text.h"
#include "rules/settings_format.h"

namespace duel {

void RestoreGalleryChoice(GameState& state) {
    const int item = GalleryItemFromChoice(state.galleryChoice);
    if (!GalleryItemAt(item)) return;
    state.beautyPrevLine = static_cast<uint8_t>(item);
    state.beautyPicture = item == kNoSetItem ? 0 : 1;
    state.galleryItem = item;
}

void SaveGalleryChoice(GameState& state) {
    state.galleryChoice = GalleryChoiceToStore(state.galleryChoice, state.galleryItem);
}

void RememberAndClearBeauty(GameState& state) {
    if (GalleryItemAt(state.galleryItem)) state.beautyPrevLine = static_cast<uint8_t>(state.galleryItem);
    state.galleryItem = 0;
}

ChoiceFollowUp ChooseGalleryItem(GameState& state, int clicked) {
    if (!GalleryItemAt(clicked) || clicked == state.galleryItem) return ChoiceFollowUp::Nothing;
    RememberAndClearBeauty(state);
    state.galleryItem = clicked;
    return clicked == kNoSetItem ? ChoiceFollowUp::LineSwitch : ChoiceFollowUp::PrizeWindow;
}

bool LineSwitchAsks(const GameState& state) { return state.beautyPicture > 1; }

std::string LineSwitchQuestion(const GameState& state) {
    // The fourth letter of "дейcтвительно" is a Latin c, as the game has always shown it.
    return Word(DUEL_TEXT("gallery",
                          "Вы дошли до %1 каринки на другой линии.\r\n"
                          "Вы дей"
                          "c"
                          "твительно хотите оборвать ту линию побед и перейти на другую ?"),
                {std::to_string(state.beautyPicture)});
}

void FinishLineSwitch(GameState& state, int restart, bool answeredYes) {
    if (!LineSwitchAsks(state) || answeredYes) {
        state.beautyPicture = static_cast<uint8_t>(restart);
        return;
    }
    ClearBeauty(state);
    if (GalleryItemAt(state.beautyPrevLine)) state.galleryItem = state.beautyPrevLine;
}

std::optional<WonPicture> PictureToShow(GameState& state) {
    const GalleryItem* set = GallerySetAt(state.galleryItem);
    if (!set) return std::nullopt;
    state.beautySet = std::string(set->stem);
    if (state.beautyPicture < 1 || state.beautyPicture > set->pictureCount) state.beautyPicture = 1;
    return WonPicture{state.beautySet, state.beautyPicture};
}

bool AdvanceLine(GameState& state) {
    const GalleryItem* set = GallerySetAt(state.galleryItem);
    if (!set) return false;
    ++state.beautyPicture;
    if (state.beautyPicture <= set->pictureCount) return false;
    state.beautyPicture = 1;
    return true;
}

bool TakeDownloadOffer(GameState& state, bool someSetMissing) {
    if (!someSetMissing || state.missingFilesAsked) return false;
    state.missingFilesAsked = true;
    return true;
}

}  // namespace duel
