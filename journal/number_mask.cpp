// The numbers of an unfinished game masked with the game's key, and unmasked again.
#include "journal/number_mask.h"

namespace duel {

namespace {

constexpr size_t kMaskedBytes = 4;
constexpr char kHex[] = "0123456789abcdef";

uint8_t KeyByte(uint64_t key, MaskedNumber which, size_t index) {
    const size_t shift = 8 * (index + kMaskedBytes * static_cast<size_t>(which));
    return static_cast<uint8_t>(key >> shift);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string MaskNumber(std::string_view number, uint64_t key, MaskedNumber which) {
    if (key == 0 || number.empty() || number.size() > kMaskedBytes) return std::string(number);
    std::string masked;
    for (size_t i = 0; i < number.size(); ++i) {
        const auto byte = static_cast<uint8_t>(static_cast<uint8_t>(number[i]) ^ KeyByte(key, which, i));
        masked += kHex[byte >> 4];
        masked += kHex[byte & 0xF];
    }
    return masked;
}

std::optional<std::string> UnmaskNumber(std::string_view stored, uint64_t key, MaskedNumber which) {
    if (key == 0 || stored.empty()) return std::string(stored);
    if (stored.size() % 2 != 0 || stored.size() > 2 * kMaskedBytes) return std::nullopt;
    std::string number;
    for (size_t i = 0; i < stored.size() / 2; ++i) {
        const int high = HexValue(stored[2 * i]);
        const int low = HexValue(stored[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        number += static_cast<char>(static_cast<uint8_t>(high * 16 + low) ^ KeyByte(key, which, i));
    }
    return number;
}

}  // namespace duel
