// The main window's status bar: the prompt or the player's hint, and the game clock.
#pragma once

#include "rules/player_text.h"
#include "rules/score.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QStatusBar;

namespace duel {

struct GameState;

inline constexpr const char* kNewGameHint = DUEL_MARK("main_window", "Жми 'Игра' --> 'Новая игра' или 'F2'");

// Panel 1 (StatusBarPanel1): the prompt to start a game (or to take up the
// game an earlier run left unfinished), or during a game the player's hint
// when it is chosen, else nothing; while a duel over the network
// is hosted or joined, its waiting (with "Отмена", cmdStopWaiting, beside it)
// or what the waiting has to say, and during such a duel whose turn it is, the
// last 30 seconds of the player's move counted down.  Panel 2 (StatusBarPanel2): the
// game clock.
class StatusPanels {
public:
    // Builds the panels into `bar`; `stopWaiting` runs on "Отмена".
    StatusPanels(QStatusBar* bar, std::function<void()> stopWaiting);

    // `gameWaits`: an unfinished game of an earlier run can be taken up.
    void Draw(const GameState& state, bool gameWaits);

private:
    // The hint over the player's moves so far, worked out again only when they
    // have changed: the status bar is drawn on every clock tick.
    const QString& PlayerHint(const std::vector<Move>& moves);

    QLabel* hintPanel_ = nullptr;        // StatusBarPanel1
    QLabel* clockPanel_ = nullptr;       // StatusBarPanel2
    QPushButton* stopButton_ = nullptr;  // cmdStopWaiting
    std::optional<std::vector<Move>> hintMoves_;
    QString hintText_;
};

}  // namespace duel
