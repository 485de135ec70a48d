// The game's facts: the duel, the records, the player's choices and the gallery, under the names every step uses.
//
// The session owns one GameState; the steps change it and the windows draw
// themselves from it, keeping no fact of the game in a control.  What only a
// window needs to draw itself (which pictures it drew last, where it docked
// the keypad) stays in that window.  Strings are UTF-8 here; the settings file
// converts them to Windows-1251 at its border.
#pragma once

#include "rules/dock_geometry.h"
#include "rules/player_text.h"
#include "rules/score.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace duel {

// Where the game stands; the main window draws its turn marks, move buttons,
// guess pictures and the enabled state of its controls from it.
// New game leaves the last game's phase (and look) as it is until it hands
// the first move to the user (state.newGameRunning tells it meanwhile).
enum class Phase {
    NoGame,          // before the first game
    UserToMove,      // the user composes a guess
    AwaitingAnswer,  // the user's guess waits for the opponent's answer (an opponent that answers later)
    OpponentToMove,  // the opponent's guess has not come yet (an opponent that guesses later)
    ComputerToMove,  // the opponent's guess is on show and waits for its answer
    UserWon,         // the user has found the opponent's number; the prize is shown, the move button still stands
    UserWonRecords,  // then the records window shows the win; the move buttons are gone, the guess still open
    ComputerWon,     // the computer has found the user's number; the user decides whether to play on
    PlayingOnAlone,  // the computer has won and the user goes on guessing alone
    StoppedRecords,  // the answers contradicted each other: the records window is shown, the frames still stand
    Revealing,       // a duel's last round is over; its end waits for the numbers to be revealed and checked
    GameOver,        // won, lost or stopped; New game starts the next
};

// gameStart while the game clock is stopped.
inline constexpr int32_t kClockStopped = -1;

// The computer's guess after the user's answers have left no candidate.
inline constexpr const char* kErrorGuess = DUEL_MARK("rules", "Ошибка !");

// Longest guess the user composes on the keypad.
inline constexpr int kGuessLength = 4;

// One place of the records table.
struct RecordPlace {
    std::string name;
    int32_t tries = 0;
    std::string number;  // the number guessed
    std::string time;    // the game clock's text at the win
};

// The last result of one side: texts, "-" for none.
struct LastResult {
    std::string tries;
    std::string number;
    std::string time;
};

struct GameState {
    // --- the duel -------------------------------------------------------
    std::string compNumber;         // the opponent's number: the computer's from the start
    std::string userNumber;         // the user's number, empty when hidden
    std::string userNumberDefault;  // default text of the New-game prompt
    bool hideAnswer = false;        // true: the user scores the opponent's guesses by hand
    // The answer to the opponent's guess on show, given with the option
    // buttons or by the automatic scorer; the buttons show these two.
    int32_t exactCount = 0;
    int32_t partialCount = 0;
    int32_t gameStart = kClockStopped;  // seconds since midnight, or kClockStopped
    Phase phase = Phase::NoGame;
    bool playNowRequested = false;  // a new game is to start on the next tick
    // The computer picks its guesses the stronger way in this game.  Taken from
    // the player's choice when a game starts, so a change of the choice waits
    // for the next game.
    bool strongOpponent = false;
    // The player's own choices in the menu "Дополнительно", kept in a file of
    // their own between runs: the hint in status panel 1 during a game, and
    // the stronger opponent from the next game on.
    bool hintChosen = false;
    bool strongChosen = false;

    // The guess being composed on the keypad; the user sees it as four digit
    // pictures while the guess is open.
    std::string composedGuess;
    // The opponent's guess on show: four digits, empty between guesses,
    // kErrorGuess after contradicting answers.
    std::string compGuess;
    // The user's answered guesses of this game, oldest first; the history list
    // СписокЧШЗ shows one line for each.  The winning guess is not among them.
    std::vector<Move> userMoves;
    // The opponent's answered guesses of this game, oldest first, its winning
    // guess included.
    std::vector<Move> compMoves;
    // Whether the automatic scorer answers the opponent's guesses.  With a
    // hidden number it never starts the scorer; it then only spares the answer
    // by hand its sum check.
    bool autoScoring = false;

    // The game clock: the whole seconds status panel 2 shows, or nothing while
    // it shows "стоим".  The records take a win's time from here, so a record
    // keeps exactly what the player saw.
    std::optional<int64_t> clockSeconds;
    // The clock counts on a monotonic clock so that midnight or a clock change
    // cannot make it jump; gameStart keeps its "stopped" meaning.
    double clockStartSeconds = 0;

    // The candidate list is being built or filtered: commands that touch the
    // game are ignored meanwhile, a new game asked for by another window waits
    // for the next tick, and a close is put off (closeDeferred) until the work
    // has ended.
    bool busy = false;
    bool closeDeferred = false;
    // New game runs, from its start to the user's first turn (its build and
    // its number prompt): a second New game is not started inside it, and a
    // new game asked for meanwhile by another window is met by this one.
    bool newGameRunning = false;

    // The computer has found the user's number and the user plays on alone.
    bool compGuessed() const { return phase == Phase::PlayingOnAlone; }
    // The user has the move: the user's move button is shown and the user's
    // label marked.
    bool userToMove() const { return phase == Phase::UserToMove || phase == Phase::PlayingOnAlone; }
    // The user's move button stands: the user's turn, and a won game's prize.
    bool userMoveShown() const { return userToMove() || phase == Phase::UserWon; }
    // The composed guess is open: the keypad's digits are taken and its four
    // pictures are shown and follow it.  It stays open while a won game's
    // prize and records are shown, so the records window's clearing of the
    // guess still redraws the pictures.
    bool guessOpen() const { return userToMove() || phase == Phase::UserWon || phase == Phase::UserWonRecords; }
    // A game is under way (its history list takes no input otherwise).
    bool gameRunning() const { return phase != Phase::NoGame && phase != Phase::GameOver; }
    // The option buttons take an answer by hand: the opponent's guess waits
    // for it, and its frames stand until the game's records window closes.
    bool answerByHand() const {
        return hideAnswer &&
               (phase == Phase::ComputerToMove || phase == Phase::ComputerWon || phase == Phase::StoppedRecords);
    }
    // The automatic scorer answers the guess on show: switched on, for a typed
    // number, and not while the candidate list is being worked on.
    bool scorerRuns() const { return autoScoring && !hideAnswer && !busy; }
    // The game clock's timer has work: a game's clock runs, or the last
    // time shown is still to become "стоим".
    bool clockTicks() const { return gameStart != kClockStopped || clockSeconds.has_value(); }
    // Status panel 1 shows the hint to start a new game: before the first
    // game and once a game has ended, but not while New game sets one up.
    bool newGameHintShown() const {
        return !newGameRunning &&
               (phase == Phase::NoGame || phase == Phase::UserWon || phase == Phase::UserWonRecords ||
                phase == Phase::StoppedRecords || phase == Phase::GameOver);
    }

    // --- the duel over the network ---------------------------------------
    // The opponent of a duel over the network, empty against the computer.
    std::string opponentName;
    std::string opponentAddress;
    // The opponent's game is reached through a Jabber server; opponentAddress is its Jabber address.
    bool opponentThroughJabber = false;
    // A hosted duel waits for an opponent on this port (0: nobody waits).
    int32_t waitingPort = 0;
    // A hosted duel waits for invitations on this Jabber account (empty: nobody waits there).
    std::string waitingJid;
    // A duel is being joined at this address ("host:port", an IPv6 address in brackets; empty: none).
    std::string joiningAddress;
    // The joining side has reached the host, whose player is asked.
    bool hostAnswerAwaited = false;
    // What the duel over the network has to say in status panel 1 while it waits, instead of
    // the waiting itself (a player who asked to play and left before the answer); empty: nothing.
    std::string networkNote;
    // The player's move in a duel over the network must be made by this moment of the
    // monotonic clock (nothing: no such limit now), and the whole seconds left to it, as the
    // game clock's tick last counted them.
    std::optional<double> moveDeadline;
    std::optional<int64_t> moveSecondsLeft;
    // The player's Jabber address and server for duels through Jabber (kept in the options file).
    std::string jabberAccount;
    std::string jabberServer;
    // The player's name in duels over the network (kept in the options file).
    std::string playerName;

    // --- the keypad's placement, kept in the settings file ----------------
    int32_t keypadDock = kDockCentre;  // kDockLeft, kDockCentre or kDockRight

    // --- records and last results -----------------------------------------
    std::array<RecordPlace, 3> records;  // places 1..3
    LastResult lastUser;
    LastResult lastComp;
    int32_t newRecordPlace = 0;  // place whose holder must type a name, 0 for none

    // Place 1..3 of the records table (a place out of range gives the nearest).
    RecordPlace& record(int place) { return records[static_cast<std::size_t>(place <= 1 ? 0 : place >= 3 ? 2 : 1)]; }
    const RecordPlace& record(int place) const { return const_cast<GameState&>(*this).record(place); }
    // A new record holder's name is awaited.
    bool recordNameAwaited() const { return newRecordPlace >= 1 && newRecordPlace <= 3; }

    // --- gallery ----------------------------------------------------------
    std::string galleryChoice;  // second character: 1 none, 2..6 a set
    // The gallery menu's checked item (the menu shows it): 1 "&Нету", 2..6 a
    // set in menu order, 0 when none is checked.
    int galleryItem = 0;
    std::string beautySet;
    uint8_t beautyPicture = 0;
    uint8_t beautyPrevLine = 0;
    bool missingFilesAsked = false;  // the download question was asked in this run
};

}  // namespace duel
