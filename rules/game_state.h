// Everything one run of the game remembers, under the names every handler uses.
//
// One GameState is owned by the application and handed by reference to every
// window; tests build as many independent ones as they like.  Strings are
// UTF-8 here; the settings file converts them to Windows-1251 at its border.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace duel {

inline constexpr int kCandidateSlots = 3025;  // slots 0..3024, slot 0 unused
inline constexpr int kAllNumbers = 3024;      // 9 * 8 * 7 * 6

// Where the game stands; the main window draws its turn marks from it.
enum class Phase {
    NoGame,          // nothing started since the program started
    UserToMove,      // the user composes a guess
    ComputerToMove,  // the computer's guess waits for its answer
    GameOver,        // won, lost or stopped; New game starts the next
    PlayingOnAlone,  // the computer has won and the user goes on guessing alone
};

// gameStart while the game clock is stopped.
inline constexpr int32_t kClockStopped = -1;

// keyCode that asks AddDigit to redraw only.
inline constexpr uint8_t kRedrawOnly = 10;

struct GameState {
    // --- the duel -------------------------------------------------------
    std::string compNumber;         // the computer's secret
    std::string userNumber;         // the user's number, empty when hidden
    std::string userNumberDefault;  // default text of the New-game prompt
    bool hideAnswer = false;        // true: the user scores the computer's guesses by hand
    std::array<int16_t, kCandidateSlots> candidates{};
    int32_t candidateCount = 0;
    int32_t compPickIndex = 0;
    int32_t exactCount = 0;
    int32_t partialCount = 0;
    std::string userGuess;
    int32_t gameStart = 0;  // seconds since midnight, or kClockStopped
    Phase phase = Phase::NoGame;
    std::string compGuessSeen;      // computer's guess text last drawn as pictures
    bool playNowRequested = false;  // a new game is to start on the next tick

    // The computer has found the user's number and the user plays on alone.
    bool compGuessed() const { return phase == Phase::PlayingOnAlone; }

    // The game clock runs on a monotonic clock so that midnight or a clock
    // change cannot make it jump; gameStart keeps its "stopped" meaning.
    double clockStartSeconds = 0;

    // --- keypad ---------------------------------------------------------
    uint8_t keyCode = 0;          // order for AddDigit: 1..9 digit, 10 redraw
    std::string keypadShownText;  // guess text last drawn as pictures
    int32_t keypadDock = 2;       // 1 left, 2 centred, 3 right
    int32_t keypadOffset = 0;     // keypad left minus main window left, twips
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
    int32_t newRecordPlace = 0;    // place whose holder must type a name
    bool recordsFromMenu = false;  // the records window was opened from the menu

    // Places 1..3 for code that walks the table.
    std::string& recName(int place) { return pick(place, recName1, recName2, recName3); }
    int32_t& recTries(int place) { return pick(place, recTries1, recTries2, recTries3); }
    std::string& recNumber(int place) { return pick(place, recNumber1, recNumber2, recNumber3); }
    std::string& recTime(int place) { return pick(place, recTime1, recTime2, recTime3); }

    // --- gallery and files ----------------------------------------------
    std::string galleryChoice;  // second character: 1 none, 2..6 a set
    std::string beautySet;
    uint8_t beautyPicture = 0;
    uint8_t beautyPrevLine = 0;
    bool missingFilesAsked = false;  // the download question was asked in this run
    std::string settingsPath;

private:
    template <typename T>
    static T& pick(int place, T& first, T& second, T& third) {
        return place <= 1 ? first : place == 2 ? second : third;
    }
};

}  // namespace duel
