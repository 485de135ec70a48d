// Which digit picture each of the four places of a guess display shows.
#pragma once

#include <array>
#include <string_view>

namespace duel {

// Pictures of the digit display: 0..9 the digits, then the dash.
inline constexpr int kDashPicture = 10;

// The user's guess, right-aligned like a calculator: zeros in front, the last
// character last; a character other than 0..9 shows the dash.  Only the first
// four characters count.
std::array<int, 4> ComposedGuessPictures(std::string_view utf8);

// The computer's guess: zeros while there is none, its digits when it has four
// characters, dashes for anything else (the text shown after contradicting
// answers).
std::array<int, 4> ComputerGuessPictures(std::string_view utf8);

}  // namespace duel
