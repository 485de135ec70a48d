// The keypad's guess: AddDigit with its repeat check, clearing the guess, and Cancel.
#include "duel/duel.h"
#include "platform/dialogs.h"
#include "rules/number_rules.h"

#include <QString>

namespace duel {

namespace {

constexpr const char* kRepeatedDigit = "Числа не должны повторяться !";

// True when the character at 0-based `index` of `text` is the digit `code`.
// A character that is no decimal digit never matches.
bool DigitAt(const std::string& text, std::size_t index, uint8_t code) {
    if (index >= text.size()) return false;
    const char c = text[index];
    return c >= '0' && c <= '9' && c - '0' == code;
}

}  // namespace

// keyCode 0, and any value above kRedrawOnly (which no caller sets), does
// nothing.  A character other than 0..9, which can reach the guess only past
// this procedure, is shown as the dash picture.
void AddDigit(GameState& state, Platform& platform, QWidget* boxOwner) {
    if (!state.guessOpen()) return;
    std::string& guess = state.composedGuess;
    if (CharacterCount(guess) >= kGuessLength) return;  // a fifth digit is ignored silently
    const uint8_t code = state.keyCode;
    if (code == 0 || code > kRedrawOnly) return;

    if (code != kRedrawOnly) guess += static_cast<char>('0' + code);

    // Repeat check: the bound is fixed before the loop, while each test reads
    // the guess as it is now, so a refusal shortens what later tests see.  A
    // digit is one byte, so a byte index finds it among any other characters.
    const std::size_t length = guess.size();
    for (std::size_t i = 0; length >= 2 && i + 1 < length; ++i) {
        if (!DigitAt(guess, i, code)) continue;
        DropLastCharacter(guess);
        Notice(platform, boxOwner, QString::fromUtf8(kRepeatedDigit));
    }

    if (guess == state.keypadShownText) return;
    state.keypadShownText = guess;
}

void ClearComposedGuess(GameState& state, Platform& platform, QWidget* boxOwner) {
    state.composedGuess.clear();
    state.keyCode = kRedrawOnly;
    AddDigit(state, platform, boxOwner);
}

void TakeBackDigit(GameState& state, Platform& platform, QWidget* boxOwner) {
    DropLastCharacter(state.composedGuess);
    state.keyCode = kRedrawOnly;
    AddDigit(state, platform, boxOwner);
}

}  // namespace duel
