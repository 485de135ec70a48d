// Strict UTF-8 decoding for text that strangers send: no overlong forms, surrogates or values past U+10FFFF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace duel::net {

// The code points of `utf8`, or nothing when it is not well-formed UTF-8.
inline std::optional<std::u32string> DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(utf8[k]); };
        const unsigned char lead = byte(i);
        size_t length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1, c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, c = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, c = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, c = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > utf8.size()) return std::nullopt;
        for (size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (byte(i + k) & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out.push_back(c);
        i += length;
    }
    return out;
}

}  // namespace duel::net
