#include "rules/player_text.h"

#include <cstdio>
#include <vector>

namespace duel {

namespace {

Wording g_wording = nullptr;  // set once at start-up, before any text is shown

}  // namespace

void SetWording(Wording wording) { g_wording = wording; }

bool HasWording() { return g_wording != nullptr; }

std::string FillArguments(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string text;
    text.reserve(pattern.size() + 16 * values.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                text += values[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string Word(PlayerText text, std::initializer_list<std::string_view> args) {
    const std::string pattern = g_wording ? g_wording(text.context, text.source, -1) : std::string(text.source);
    return FillArguments(pattern, args);
}

std::string FillCount(std::string_view pattern, int n) {
    std::string text(pattern);
    const std::string count = std::to_string(n);
    for (size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

std::string WordCount(PlayerText text, int n, std::initializer_list<std::string_view> args) {
    // Qt puts the count in for %n when it translates; the source needs it put in here.
    return FillArguments(FillCount(g_wording ? g_wording(text.context, text.source, n) : text.source, n), args);
}

std::string DecimalText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    const std::string_view number = text;
    const size_t point = number.find('.');
    if (point == std::string_view::npos) return std::string(number);
    // The whole part and the tenths, as the language writes a fraction.
    return Word(DUEL_TEXT("rules", "%1,%2"), {number.substr(0, point), number.substr(point + 1)});
}

}  // namespace duel
