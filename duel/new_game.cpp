// New game: the game that runs given up, the opponent made ready, the user's number, the first turn.
#include "duel/step_helpers.h"
#include "platform/translation.h"
#include "rules/number_rules.h"
#include "rules/player_text.h"

#include <cmath>
#include <string>

namespace duel {

namespace {

constexpr const char* kNumberPrompt = DUEL_MARK("duel", "Загадайте число:");
constexpr const char* kHideQuestion =
    DUEL_MARK("duel",
              "Вы хотите загадать число, но не показывать его компьютеру? В этом нет нужды. Он использует "
              "его только для автоматического выставления количества шелв и злыков. Если вы хотите скрыть "
              "число, то вам придётся вручную выставлять эти цифры. Вы согласны на это?");
constexpr const char* kDefaultNumber = "1234";

// The game that runs is given up: after the computer's win it stands as the
// computer's; anything else was abandoned.
void GiveUpRunningGame(Duel& duel) {
    const GameState& state = duel.state;
    if (!state.gameRunning()) return;
    const Outcome outcome = duel.opponent.GivenUpOutcome(
        state.phase == Phase::PlayingOnAlone || state.phase == Phase::ComputerWon ? Outcome::ComputerWon
                                                                                  : Outcome::Abandoned);
    duel.events.GameEnded(state, outcome);
    duel.opponent.GameEnded(duel, outcome);
}

// Asks for the user's number until it is valid or the user keeps it hidden
// (where the opponent allows it); false when the program quits meanwhile, the
// opponent is gone, or the player cancels where that gives the game up.
// Leaves the number typed in state.userNumber, or hideAnswer set.  Until the
// number is settled hideAnswer stays the last game's, so that the window keeps
// that game's look (its answer frames too) while the prompt is open.
bool AskForUsersNumber(Duel& duel) {
    GameState& state = duel.state;
    Platform& platform = duel.platform;
    duel.screen.Refresh();
    std::string typed;
    bool hidden = false;
    for (;;) {
        // Every box answers "cancel" at once while the program quits; the
        // game is then given up instead of asking again.
        typed = platform
                    .inputBox(duel.screen.ownerWidget(), Tr("duel", kNumberPrompt), Tr("platform", kProductTitle),
                              FromUtf8(state.userNumberDefault))
                    .toStdString();
        if (platform.quitting() || duel.opponent.gone()) return false;
        if (typed.empty() && duel.opponent.cancelGivesUp()) return false;
        state.userNumberDefault = typed;
        if (typed.empty() && duel.opponent.allowsHiddenNumber()) {
            const bool hide = steps::Ask(duel, Word("duel", kHideQuestion));
            if (platform.quitting()) return false;
            if (hide) {
                hidden = true;
                break;
            }
            state.userNumberDefault = kDefaultNumber;
            continue;
        }
        if (auto failure = CheckNumber(typed)) {
            steps::ShowError(duel, *failure);
            if (platform.quitting() || duel.opponent.gone()) return false;
            continue;
        }
        break;
    }
    state.hideAnswer = hidden;
    state.userNumber = hidden ? std::string() : typed;
    return true;
}

}  // namespace

void GiveUpGame(Duel& duel) {
    GameState& state = duel.state;
    if (state.busy || !state.gameRunning()) return;
    GiveUpRunningGame(duel);
    steps::EnterGameOver(state);
    state.autoScoring = false;
    state.compGuess.clear();
}

void NewGame(Duel& duel) {
    GameState& state = duel.state;
    // The list is being built or filtered, or a New game waits for its number.
    if (state.busy || state.newGameRunning) return;
    const steps::ScopedMark running(state.newGameRunning);

    // The game that runs is given up; the window keeps its look until this
    // game hands the first move to the user (the list being built keeps
    // every move refused meanwhile, the number prompt is modal), and the
    // scorer rests.
    GiveUpRunningGame(duel);
    state.autoScoring = false;

    // The computer builds its list and draws its number; a close or a quit
    // meanwhile gives the game up, and nothing more is asked.
    if (!duel.opponent.PrepareGame(duel)) return;
    if (!AskForUsersNumber(duel)) return;

    state.userMoves.clear();
    state.compMoves.clear();
    state.strongOpponent = state.strongChosen;  // for the whole of this game
    steps::EnterUsersTurn(duel);

    state.gameStart = static_cast<int32_t>(std::floor(duel.platform.secondsSinceMidnight()));
    state.clockStartSeconds = duel.platform.monotonicSeconds();
    state.clockSeconds = 0;
    duel.events.GameStarted(state);
    duel.opponent.GameBegins(duel);
    if (duel.opponent.movesFirst()) HandTurnToOpponent(duel);
}

}  // namespace duel
