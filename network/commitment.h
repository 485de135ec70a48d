// The commitment to a number and the check of a peer's reveal against it and against its answers.
#pragma once

#include "rules/score.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace duel::net {

// A cryptographic hash of bytes: SHA-256 in the program (Sha256 in sha256.h), 32 raw bytes.
using Hasher = std::function<std::string(std::string_view bytes)>;

// What a side commits to: the hash of its salt followed by the four digits of its number.
std::string Commitment(const Hasher& hash, std::string_view salt, std::string_view number);

struct RevealVerdict {
    enum Kind {
        Fits,             // the commitment and every answer fit the revealed number
        WrongCommitment,  // the salt and number do not give the commitment
        WrongAnswer,      // an answer differs from the score of its guess against the number
    } kind = Fits;
    int move = 0;  // WrongAnswer: the first wrong one, 1 for the first guess
};

// Checks a peer's reveal: `digest` is the commitment it sent before the first move, `moves`
// this side's guesses with the answers the peer gave them, oldest first.
RevealVerdict CheckReveal(const Hasher& hash, std::string_view digest, std::string_view salt, std::string_view number,
                          const std::vector<Move>& moves);

}  // namespace duel::net
