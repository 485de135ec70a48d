// The keypad's guess: AddDigit with its repeat check, clearing the guess, and Cancel.
#include "duel/duel.h"
#include "platform/dialogs.h"
#include "platform/translation.h"
#include "rules/number_rules.h"
#include "rules/player_text.h"

#include <QString>

namespace duel {

namespace {

constexpr const char* kRepeatedDigit = DUEL_MARK("duel", "Числа не должны повторяться !");

// True when the character at 0-based `index` of `text` is the digit `digit`.
// A character that is no decimal digit never matches.
bool DigitAt(const std::string& text, std::size_t index, int digit) {
    if (index >= text.size()) return false;
    const char c = text[index];
    return c >= '0' && c <= '9' && c - '0' == digit;
}

}  // namespace

void AddDigit(GameState& state, Platform& platform, QWidget* boxOwner, int digit) {
    if (state.busy || digit < 1 || digit > 9 || !state.guessOpen()) return;
    std::string& guess = state.composedGuess;
    if (CharacterCount(guess) >= kGuessLength) return;  // a fifth digit is ignored silently
    guess += static_cast<char>('0' + digit);

    // Repeat check: the bound is fixed before the loop, while each test reads
    // the guess as it is now, so a refusal shortens what later tests see.  A
    // digit is one byte, so a byte index finds it among any other characters.
    const std::size_t length = guess.size();
    for (std::size_t i = 0; length >= 2 && i + 1 < length; ++i) {
        if (!DigitAt(guess, i, digit)) continue;
        DropLastCharacter(guess);
        Notice(platform, boxOwner, Tr("duel", kRepeatedDigit));
    }
}

void ClearComposedGuess(GameState& state) { state.composedGuess.clear(); }

void TakeBackDigit(GameState& state) {
    if (state.busy) return;
    DropLastCharacter(state.composedGuess);
}

}  // namespace duel
