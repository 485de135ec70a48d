// A game number packed into bit masks, so that a guess is scored against many numbers quickly.
//
// The scoring rule counts a digit of the guess as exact when it stands at the
// same place in the other number and as partial when it stands elsewhere.  With
// no digit twice in either number, exact + partial is the number of digits the
// two numbers share, so a score is fixed by (exact, shared digits): the digit
// sets as 9-bit masks give the shared digits, the digits laid out one per byte
// give the exact count.  No text is built, nothing is allocated.
#pragma once

#include "rules/score.h"

#include <cstdint>
#include <string_view>

namespace duel {

struct PackedNumber {
    uint32_t places = 0;  // the digit at place 1 in the highest byte ... place 4 in the lowest
    uint32_t digits = 0;  // bit d - 1 for every digit d (1..9) of the number
};

// Codes of the answers: exact * 5 + shared digits, so 0..24 (not all of them occur).
inline constexpr int kAnswerCodes = 25;

// n is one of the game's numbers (1234..9876, four different digits 1..9).
constexpr PackedNumber PackNumber(int32_t n) {
    PackedNumber packed;
    for (int shift = 0; shift < 32; shift += 8, n /= 10) {
        const uint32_t digit = static_cast<uint32_t>(n % 10);
        packed.places |= digit << shift;
        if (digit != 0) packed.digits |= 1u << (digit - 1);  // a stray 0 shifts nothing
    }
    return packed;
}

// The code of the answer that `guess` gets from the secret `secret`; symmetric.
inline int AnswerCode(PackedNumber guess, PackedNumber secret) {
    // A byte of `same` is 0x80 where the places hold the same digit, else 0.
    const uint32_t differ = guess.places ^ secret.places;
    const uint32_t same = ~(((differ & 0x7F7F7F7Fu) + 0x7F7F7F7Fu) | differ | 0x7F7F7F7Fu);
    const int exact = static_cast<int>(((same >> 7) * 0x01010101u) >> 24);
    uint32_t shared = guess.digits & secret.digits;  // at most 9 bits
    shared = shared - ((shared >> 1) & 0x155u);
    shared = (shared & 0x133u) + ((shared >> 2) & 0x133u);
    const int common = static_cast<int>((shared & 0xFu) + ((shared >> 4) & 0xFu) + (shared >> 8));
    return exact * 5 + common;
}

// The code of an answer given as counts.
constexpr int AnswerCode(Score answer) { return answer.exact * 5 + answer.exact + answer.partial; }

}  // namespace duel
