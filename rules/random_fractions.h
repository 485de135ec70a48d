// The game's one random generator: uniform fractions in [0, 1), never seeded.
#pragma once

#include <cstdint>
#include <random>

namespace duel {

class RandomFractions {
public:
    // 53 random bits over 2^53: strictly below 1, unlike generate_canonical
    // on some standard libraries.
    double next() {
        const uint64_t high = engine_() >> 5;  // 27 bits
        const uint64_t low = engine_() >> 6;   // 26 bits
        return static_cast<double>((high << 26) | low) * (1.0 / 9007199254740992.0);
    }

private:
    std::mt19937 engine_;  // default state: the same sequence every run
};

}  // namespace duel
