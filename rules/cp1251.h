// Windows-1251 <-> UTF-8 conversion for the settings file and the name entry field.
//
// The game keeps its strings in UTF-8; the settings file stores them in the
// single-byte Windows-1251 code page.  The conversion goes through one
// explicit table of the 128 upper bytes, since Qt 6 carries no such codec.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace duel {

// What Utf8ToCp1251 writes for a character the code page cannot hold and for
// each byte of a malformed UTF-8 sequence.
inline constexpr char kCp1251Replacement = '?';

// UTF-8 text to Windows-1251 bytes.  Every character the code page has maps
// to its byte (control characters included, so bytes read from a file come
// back unchanged); anything else becomes kCp1251Replacement.
std::string Utf8ToCp1251(std::string_view utf8);

// Windows-1251 bytes to UTF-8.  Total: every byte has a character (0x98,
// unassigned in the code page, becomes U+0098 as on Windows), so
// Utf8ToCp1251(Cp1251ToUtf8(bytes)) == bytes for any bytes.
std::string Cp1251ToUtf8(std::string_view bytes);

// True when c may be typed into a stored name: a printable character that
// Windows-1251 has.  False for control characters (below 0x20, 0x7F and the
// C1 range 0x80..0x9F) and for anything the code page lacks.
bool IsStorableInCp1251(char32_t c);

// One character decoded from UTF-8.  On a malformed or truncated sequence
// `valid` is false and `length` is 1, so the caller skips one byte.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 1;
    bool valid = false;
};

// Decodes the character starting at byte `pos` of `text` (pos < text.size()).
// Overlong forms, surrogates and values above U+10FFFF count as malformed.
Utf8Char DecodeUtf8At(std::string_view text, std::size_t pos);

// UTF-8 bytes of one character; surrogates and values above U+10FFFF give
// U+FFFD.
std::string EncodeUtf8(char32_t c);

}  // namespace duel
