// Everything one run of the game remembers, under the names every handler uses.
//
// One GameState is owned by the application and handed by reference to every
// window; tests build as many independent ones as they like.  Strings are
// UTF-8 here; the settings file converts them to Windows-1251 at its border.
// The windows draw themselves from these facts and never keep a fact of the
// game in a control.
#pragma once

#include "rules/dock_geometry.h"
#include "rules/score.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace duel {

inline constexpr int kCandidateSlots = 3025;  // slots 0..3024, slot 0 unused
inline constexpr int kAllNumbers = 3024;      // 9 * 8 * 7 * 6

// Where the game stands; the main window draws its turn marks, move buttons,
// guess pictures and the enabled state of its controls from it.
enum class Phase {
    NoGame,          // before the first game, and while New game sets the next one up
    UserToMove,      // the user composes a guess
    ComputerToMove,  // the computer's guess waits for its answer
    UserWon,         // the user has found the computer's number; the prize and the records are shown
    ComputerWon,     // the computer has found the user's number; the user decides whether to play on
    PlayingOnAlone,  // the computer has won and the user goes on guessing alone
    GameOver,        // won, lost or stopped; New game starts the next
};

// gameStart while the game clock is stopped.
inline constexpr int32_t kClockStopped = -1;

// keyCode that asks AddDigit to redraw only.
inline constexpr uint8_t kRedrawOnly = 10;

// The computer's guess after the user's answers have left no candidate.
inline constexpr const char* kErrorGuess = "Ошибка !";

// Longest guess the user composes on the keypad.
inline constexpr int kGuessLength = 4;

struct GameState {
    // --- the duel -------------------------------------------------------
    std::string compNumber;         // the computer's secret
    std::string userNumber;         // the user's number, empty when hidden
    std::string userNumberDefault;  // default text of the New-game prompt
    bool hideAnswer = false;        // true: the user scores the computer's guesses by hand
    std::array<int16_t, kCandidateSlots> candidates{};
    int32_t candidateCount = 0;
    int32_t compPickIndex = 0;
    // The answer to the computer's guess on show, given with the option
    // buttons or by the automatic scorer; the buttons show these two.
    int32_t exactCount = 0;
    int32_t partialCount = 0;
    std::string userGuess;              // the user's guess as taken by the last move
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

    // The guess being composed on the keypad (the never-shown field тксВарМой
    // of the old window held it); the user sees it as four digit pictures.
    std::string composedGuess;
    // The computer's guess on show (the never-shown field тксВарКомп of the
    // old window held it): four digits, empty between guesses, kErrorGuess
    // after contradicting answers.
    std::string compGuess;
    // The user's answered guesses of this game, oldest first; the history list
    // СписокЧШЗ shows one line for each.  The winning guess is not among them.
    std::vector<Move> userMoves;
    // The computer's answered guesses of this game, oldest first, its winning
    // guess included.
    std::vector<Move> compMoves;
    // Whether the automatic scorer answers the computer's guesses (the
    // never-shown check box првАвто of the old window held it).  With a hidden
    // number it never starts the scorer; it then only spares the answer by hand
    // its sum check.
    bool autoScoring = false;

    // The game clock: the whole seconds status panel 2 shows, or nothing while
    // it shows "стоим".  The records take a win's time from here, so a record
    // keeps exactly what the player saw.
    std::optional<int64_t> clockSeconds;
    // The clock counts on a monotonic clock so that midnight or a clock change
    // cannot make it jump; gameStart keeps its "stopped" meaning.
    double clockStartSeconds = 0;
    // Status panel 1 shows the hint to start a new game (else it is empty).
    bool newGameHintShown = true;

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
    // The composed guess is open: the keypad's digits are taken and its four
    // pictures are shown and follow it.  It stays open while a won game's
    // prize and records are shown, so the records window's clearing of the
    // guess still redraws the pictures.
    bool guessOpen() const { return userToMove() || phase == Phase::UserWon; }
    // A game is under way (its history list takes no input otherwise).
    bool gameRunning() const { return phase != Phase::NoGame && phase != Phase::GameOver; }
    // The computer's guess waits for an answer by hand with the option buttons.
    bool answerByHand() const { return hideAnswer && (phase == Phase::ComputerToMove || phase == Phase::ComputerWon); }
    // The automatic scorer answers the guess on show: switched on, for a typed
    // number, and not while the candidate list is being worked on.
    bool scorerRuns() const { return autoScoring && !hideAnswer && !busy; }
    // The game clock's timer has work: a game's clock runs, or the last
    // time shown is still to become "стоим".
    bool clockTicks() const { return gameStart != kClockStopped || clockSeconds.has_value(); }

    // --- keypad ---------------------------------------------------------
    uint8_t keyCode = 0;               // order for AddDigit: 1..9 digit, 10 redraw
    std::string keypadShownText;       // guess text last drawn as pictures
    int32_t keypadDock = kDockCentre;  // kDockLeft, kDockCentre or kDockRight
    int32_t keypadOffset = 0;          // keypad left minus main window left, twips
    int32_t keypadDockApplied = 0;
    int32_t dockedMainLeft = 0;
    int32_t dockedMainTop = 0;
    int32_t dockedMainHeight = 0;  // the keypad's top follows the main window's bottom
    bool leftButtonShown = false;
    bool rightButtonShown = false;

    // --- records and last results -----------------------------------------
    std::string recName1, recName2, recName3;
    int32_t recTries1 = 0, recTries2 = 0, recTries3 = 0;
    std::string recNumber1, recNumber2, recNumber3;
    std::string recTime1, recTime2, recTime3;
    std::string lastUserTries, lastUserNumber, lastUserTime;
    std::string lastCompTries, lastCompNumber, lastCompTime;
    int32_t newRecordPlace = 0;  // place whose holder must type a name
    // The records window opened from the menu is shown: the turn marks are off meanwhile.
    bool recordsFromMenu = false;

    // Places 1..3 for code that walks the table.
    std::string& recName(int place) { return pick(place, recName1, recName2, recName3); }
    int32_t& recTries(int place) { return pick(place, recTries1, recTries2, recTries3); }
    std::string& recNumber(int place) { return pick(place, recNumber1, recNumber2, recNumber3); }
    std::string& recTime(int place) { return pick(place, recTime1, recTime2, recTime3); }

    // --- gallery and files ----------------------------------------------
    std::string galleryChoice;  // second character: 1 none, 2..6 a set
    // The gallery menu's checked item (the menu shows it): 1 "&Нету", 2..6 a
    // set in menu order, 0 when none is checked.
    int galleryItem = 0;
    std::string beautySet;
    uint8_t beautyPicture = 0;
    uint8_t beautyPrevLine = 0;
    bool missingFilesAsked = false;  // the download question was asked in this run

private:
    template <typename T>
    static T& pick(int place, T& first, T& second, T& third) {
        return place <= 1 ? first : place == 2 ? second : third;
    }
};

}  // namespace duel
