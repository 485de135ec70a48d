// The prize of a won game: the chosen set's next picture, extracted, written, shown, and the line of wins moved on.
#pragma once

#include "duel/prize.h"

namespace duel {

class Platform;
class SessionScreen;
struct GameState;

// The gallery's reaction to a win.  The picture comes from the chosen set's
// files (the first data folder that holds both), goes to a temporary file of
// this game's own beside the program, or into a private temporary folder when
// the program's folder cannot be written or belongs to an installation, and is
// shown in the picture viewer; then the line of wins moves on.  Anything wrong
// with the set's files shows a message, and the line stays where it was.
class GalleryPrize final : public Prize {
public:
    GalleryPrize(GameState& state, Platform& platform) : state_(state), platform_(platform) {}
    void SetScreen(SessionScreen& screen) { screen_ = &screen; }

    void GiveWonPicture() override;

    // Start-up: removes the pictures (and private folders) of runs that ended
    // without closing their viewer; a picture another running game shows stays.
    void RemoveLeftovers();

private:
    GameState& state_;
    Platform& platform_;
    SessionScreen* screen_ = nullptr;
};

}  // namespace duel
