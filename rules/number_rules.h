// The rules of numbers: the number check, the scoring rule and the candidate list.
#pragma once

#include "rules/player_text.h"
#include "rules/score.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duel {

// Messages of the number check, in the order the checks run.
inline constexpr const char* kMsgLength = DUEL_MARK("rules", "Необходимо ввести число из 4 состовляющих");
inline constexpr const char* kMsgDigits = DUEL_MARK("rules", "Необходимо ввести число");
inline constexpr const char* kMsgZero = DUEL_MARK("rules", "Необходимо ввести число не содержащее нулей");
inline constexpr const char* kMsgRepeat =
    DUEL_MARK("rules", "Необходимо ввести число не содержащее повторяющихся компонентов");

// Number of characters in a UTF-8 text (continuation bytes are not counted).
size_t CharacterCount(std::string_view text);

// Removes the last character of a UTF-8 text, all its bytes; nothing when empty.
void DropLastCharacter(std::string& text);

// Length check alone: exactly four characters (counted as characters, not bytes).
std::optional<std::string> CheckNumberLength(std::string_view text);

// The checks after the length: ASCII digits only, no zero, no digit twice.
// The caller has already passed the length check.
std::optional<std::string> CheckNumberDigits(std::string_view text);

// The whole check of a typed number; the message of the first failure, or nothing.
std::optional<std::string> CheckNumber(std::string_view text);

// Scores a guess against a secret, both four characters long.
Score ScoreGuess(std::string_view guess, std::string_view secret);

// True for the 3024 numbers of the game: four digits 1..9, none twice.
bool IsGameNumber(int32_t n);

// Decimal text of a candidate slot.
std::string NumberText(int32_t n);

// Index 1..count drawn from a fraction 0 <= f < 1; always inside the range.
int32_t DrawIndex(double fraction, int32_t count);

inline constexpr int kAllNumbers = 3024;      // 9 * 8 * 7 * 6
inline constexpr int kCandidateSlots = 3025;  // slots 0..3024, slot 0 unused

using CandidateList = std::array<int16_t, kCandidateSlots>;

// Fills slots 1..3024 with the game's numbers in ascending order and returns
// the count.  afterEach(n) runs after every n from 1111 to 9999, taken or not:
// the window uses it for its progress bar and to keep painting.
template <typename AfterEach>
int32_t BuildCandidateList(CandidateList& candidates, AfterEach&& afterEach) {
    int32_t count = 0;
    for (int32_t n = 1111; n <= 9999; ++n) {
        if (IsGameNumber(n)) candidates[static_cast<size_t>(++count)] = static_cast<int16_t>(n);
        afterEach(n);
    }
    return count;
}

// Keeps, in place and in order, the candidates among slots 1..count that would
// have given `answer` to `guess`; returns the new count.  beforeEach(i) runs
// before slot i is examined.  A guess that is not four characters keeps nothing.
template <typename BeforeEach>
int32_t FilterCandidates(CandidateList& candidates, int32_t count, std::string_view guess, Score answer,
                         BeforeEach&& beforeEach) {
    int32_t kept = 0;
    for (int32_t i = 1; i <= count; ++i) {
        beforeEach(i);
        const int16_t candidate = candidates[static_cast<size_t>(i)];
        if (guess.size() == 4 && ScoreGuess(guess, NumberText(candidate)) == answer)
            candidates[static_cast<size_t>(++kept)] = candidate;
    }
    return kept;
}

// One line of the history list: "|    1234   |  2  |  1  |".
std::string HistoryLine(std::string_view guess, int32_t partial, int32_t exact);

}  // namespace duel
