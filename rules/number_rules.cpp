// The number check, the scoring rule and the helpers of the candidate list.
#include "rules/number_rules.h"

#include <algorithm>
#include <cmath>

namespace duel {

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
}

void DropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
}

std::optional<std::string> CheckNumberLength(std::string_view text) {
    if (CharacterCount(text) != 4) return Word("rules", kMsgLength);
    return std::nullopt;
}

std::optional<std::string> CheckNumberDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return Word("rules", kMsgDigits);
    for (char c : text)
        if (c == '0') return Word("rules", kMsgZero);
    for (size_t i = 0; i < text.size(); ++i)
        for (size_t j = i + 1; j < text.size(); ++j)
            if (text[i] == text[j]) return Word("rules", kMsgRepeat);
    return std::nullopt;
}

std::optional<std::string> CheckNumber(std::string_view text) {
    if (auto failure = CheckNumberLength(text)) return failure;
    return CheckNumberDigits(text);
}

Score ScoreGuess(std::string_view guess, std::string_view secret) {
    Score score;
    const size_t n = std::min<size_t>(4, std::min(guess.size(), secret.size()));
    for (size_t k = 0; k < n; ++k) {
        for (size_t j = 0; j < n; ++j) {
            if (guess[k] != secret[j]) continue;
            if (k == j)
                ++score.exact;
            else
                ++score.partial;
        }
    }
    return score;
}

bool IsGameNumber(int32_t n) {
    if (n < 1000 || n > 9999) return false;
    int digits[4] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
    unsigned seen = 0;
    for (int d : digits) {
        if (d == 0 || (seen & (1u << d))) return false;
        seen |= 1u << d;
    }
    return true;
}

std::string NumberText(int32_t n) { return std::to_string(n); }

int32_t DrawIndex(double fraction, int32_t count) {
    if (count < 1) return 1;
    if (!(fraction >= 0.0)) fraction = 0.0;  // also catches NaN
    const auto index = static_cast<int64_t>(std::floor(fraction * count)) + 1;
    return static_cast<int32_t>(std::clamp<int64_t>(index, 1, count));
}

std::string HistoryLine(std::string_view guess, int32_t partial, int32_t exact) {
    std::string line = "|    ";
    line += guess;
    line += "   |  " + std::to_string(partial) + "  |  " + std::to_string(exact) + "  |";
    return line;
}

}  // namespace duel
