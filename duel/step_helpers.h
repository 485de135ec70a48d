// What the duel's steps share: boxes over an up-to-date window, the busy mark, the user's turn, the clock's seconds.
#pragma once

#include "duel/duel.h"
#include "platform/dialogs.h"
#include "platform/utf8_text.h"

#include <string_view>

namespace duel::steps {

// A notice or refusal (OK, the product's name), shown over the window as the
// step has left it so far.
inline void ShowNotice(Duel& duel, std::string_view text, MsgIcon icon = MsgIcon::Information) {
    duel.screen.Refresh();
    Notice(duel.platform, duel.screen.ownerWidget(), FromUtf8(text), icon);
}

// An invalid number ("Ошибка !!!").
inline void ShowError(Duel& duel, std::string_view text) {
    duel.screen.Refresh();
    ErrorBox(duel.platform, duel.screen.ownerWidget(), FromUtf8(text));
}

// A Yes/No question; true for Yes.
inline bool Ask(Duel& duel, std::string_view text) {
    duel.screen.Refresh();
    return Question(duel.platform, duel.screen.ownerWidget(), FromUtf8(text));
}

// Sets one of the game state's marks (busy, newGameRunning) for its lifetime.
class ScopedMark {
public:
    explicit ScopedMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~ScopedMark() { mark_ = false; }
    ScopedMark(const ScopedMark&) = delete;
    ScopedMark& operator=(const ScopedMark&) = delete;

private:
    bool& mark_;
};

// Marks the candidate list as being worked on for its lifetime (state.busy).
class BusyWork : public ScopedMark {
public:
    explicit BusyWork(GameState& state) : ScopedMark(state.busy) {}
};

// The game clock's seconds as status panel 2 shows them (0 before its first tick).
inline int64_t ShownClockSeconds(const GameState& state) { return state.clockSeconds.value_or(0); }

// The user to move with an empty guess, no opponent's guess, the answer back
// to "нету"/"нету" and the scorer off (New game, the opponent's move handing
// back, playing on alone).
void EnterUsersTurn(Duel& duel);

// The phase GameOver (status panel 1 shows the hint to start a new game), the game clock stopped.
void EnterGameOver(GameState& state);

}  // namespace duel::steps
