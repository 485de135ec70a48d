// Tests of the Windows-1251 codec and the UTF-8 decoder under it.
#include "rules/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace duel {
namespace {

TEST(Cp1251, RussianAlphabetMapsToItsBytes) {
    const std::string upper = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    const std::string lower = "абвгдежзийклмнопрстуфхцчшщъыьэюя";
    std::string bytes;
    for (int b = 0xC0; b <= 0xFF; ++b) {
        bytes += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1251(upper + lower + "Ёё"), bytes + "\xA8\xB8");
    EXPECT_EQ(Cp1251ToUtf8(bytes + "\xA8\xB8"), upper + lower + "Ёё");
}

TEST(Cp1251, SymbolsOfTheUpperHalf) {
    struct Case {
        const char* utf8;
        const char* byte;
    };
    const Case cases[] = {
        {"€", "\x88"}, {"…", "\x85"}, {"№", "\xB9"}, {"Ґ", "\xA5"}, {"ґ", "\xB4"},
        {"«", "\xAB"}, {"»", "\xBB"}, {"—", "\x97"}, {"Ђ", "\x80"}, {"џ", "\x9F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.byte) << c.utf8;
        EXPECT_EQ(Cp1251ToUtf8(c.byte), c.utf8) << c.utf8;
    }
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, UnstorableAndMalformedInputBecomesQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"中", "?"},
        {"a😀b", "a?b"},
        {"\xFF", "?"},
        {"Ж\xD0", "\xC6?"},              // truncated two-byte sequence
        {"\xC0\xAF", "??"},              // overlong '/'
        {"\xED\xA0\x80", "???"},         // a surrogate
        {"\xF4\x90\x80\x80x", "????x"},  // above U+10FFFF
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.bytes) << c.utf8;
    }
}

TEST(Cp1251, StorableCharactersForNames) {
    struct Case {
        char32_t c;
        bool storable;
    };
    const Case cases[] = {
        {U'A', true},  {U' ', true},  {U',', true},   {U'"', true},   {U'Ж', true},    {U'ё', true},
        {U'€', true},  {U'№', true},  {U'\t', false}, {U'\r', false}, {U'\0', false},  {0x7F, false},
        {0x98, false}, {0x85, false}, {U'中', false}, {U'😀', false},  {0xD800, false}, {0x110000, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsStorableInCp1251(c.c), c.storable) << static_cast<uint32_t>(c.c);
    }
}

TEST(Cp1251, DecodeAndEncodeUtf8AgreeOnEveryLength) {
    for (const char32_t c : {U'z', U'ж', U'€', U'😀'}) {
        const std::string bytes = EncodeUtf8(c);
        const Utf8Char decoded = DecodeUtf8At(bytes, 0);
        EXPECT_TRUE(decoded.valid);
        EXPECT_EQ(decoded.codePoint, c);
        EXPECT_EQ(decoded.length, bytes.size());
    }
    EXPECT_EQ(EncodeUtf8(0xDC00), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace duel
