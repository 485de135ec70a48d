// The invisible characters and the spaces, as ranges of code points.
#include "rules/invisible_characters.h"

#include <algorithm>
#include <array>
#include <utility>

namespace duel {

namespace {

using Range = std::pair<char32_t, char32_t>;  // first and last, both included

// In ascending order.
constexpr std::array kInvisible = {
    Range{0x0000, 0x001F},    // C0 controls
    Range{0x007F, 0x009F},    // DEL and C1 controls
    Range{0x00AD, 0x00AD},    // soft hyphen
    Range{0x034F, 0x034F},    // combining grapheme joiner
    Range{0x061C, 0x061C},    // Arabic letter mark
    Range{0x115F, 0x1160},    // Hangul choseong and jungseong fillers
    Range{0x17B4, 0x17B5},    // Khmer inherent vowels
    Range{0x180B, 0x180F},    // Mongolian free variation selectors and vowel separator
    Range{0x200B, 0x200F},    // zero-width space, non-joiner, joiner; direction marks
    Range{0x2028, 0x202E},    // line and paragraph separators; embeddings and overrides
    Range{0x2060, 0x206F},    // word joiner, invisible operators, isolates, deprecated format characters
    Range{0x2800, 0x2800},    // Braille pattern blank
    Range{0x3164, 0x3164},    // Hangul filler
    Range{0xFDD0, 0xFDEF},    // noncharacters
    Range{0xFE00, 0xFE0F},    // variation selectors
    Range{0xFEFF, 0xFEFF},    // zero-width no-break space (byte order mark)
    Range{0xFFA0, 0xFFA0},    // halfwidth Hangul filler
    Range{0xFFF0, 0xFFFB},    // specials: reserved, interlinear annotation
    Range{0x1BCA0, 0x1BCA3},  // shorthand format controls
    Range{0x1D173, 0x1D17A},  // musical symbol format controls
    Range{0xE0000, 0xE0FFF},  // tags, variation selectors supplement, reserved
};

constexpr std::array kSpaces = {
    Range{0x0020, 0x0020}, Range{0x00A0, 0x00A0}, Range{0x1680, 0x1680}, Range{0x2000, 0x200A},
    Range{0x202F, 0x202F}, Range{0x205F, 0x205F}, Range{0x3000, 0x3000},
};

template <size_t N>
bool InRanges(const std::array<Range, N>& ranges, char32_t c) {
    const auto after = std::upper_bound(ranges.begin(), ranges.end(), c,
                                        [](char32_t value, const Range& range) { return value < range.first; });
    return after != ranges.begin() && c <= std::prev(after)->second;
}

}  // namespace

bool IsInvisibleCharacter(char32_t c) {
    // The last two code points of every plane are noncharacters.
    if ((c & 0xFFFE) == 0xFFFE) return true;
    return InRanges(kInvisible, c);
}

bool IsSpaceCharacter(char32_t c) { return InRanges(kSpaces, c); }

}  // namespace duel
