// Texts for the player: written in Russian where they are used, worded in the player's language when shown.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace duel {

// A text the player reads: its Russian source and the context its translation is filed under
// (the folder it belongs to).  `counted` texts hold %n and have a form for each count.
struct PlayerText {
    const char* context;
    const char* source;
    bool counted = false;
};

// Marks a text for the translators' catalogue: lupdate reads DUEL_TEXT as QT_TRANSLATE_NOOP and
// DUEL_TEXT_N as QT_TRANSLATE_N_NOOP (see translations/CMakeLists.txt).  The Qt-free folders write
// their texts this way; the Qt folders call Tr() (platform/translation.h).
#define DUEL_TEXT(context, source) (::duel::PlayerText{context, source})
#define DUEL_TEXT_N(context, source) (::duel::PlayerText{context, source, true})
// Marks a text kept as the Russian source itself (a constant compared or stored as it is, such as
// the computer's "Ошибка !"): lupdate reads it as QT_TRANSLATE_NOOP; it is worded where it is shown,
// by Word(context, text) with the same context.
#define DUEL_MARK(context, source) source

// The translation of (context, source) for the count n (-1: no count), in UTF-8, or the source
// itself when there is none.  The program installs one at start-up when the player's language is
// not Russian; until then, and in Russian, every text reads as its source, byte for byte.
using Wording = std::string (*)(const char* context, const char* source, int n);
void SetWording(Wording wording);
bool HasWording();

// The text in the player's language with %1 ... %9 replaced by `args` in one pass (an argument
// is put in as it is, never searched for further markers), so that a translation may put them in
// any order.
std::string Word(PlayerText text, std::initializer_list<std::string_view> args = {});
inline std::string Word(const char* context, const char* source, std::initializer_list<std::string_view> args = {}) {
    return Word(PlayerText{context, source}, args);
}
// The same for a counted text: %n becomes the count, and the translation's form for that count is
// taken.
std::string WordCount(PlayerText text, int n, std::initializer_list<std::string_view> args = {});
// %n of `pattern` replaced by the count.
std::string FillCount(std::string_view pattern, int n);
// A number with one decimal as the player's language writes it: "12,4" in Russian.
std::string DecimalText(double value);
// %1 ... %9 of `pattern` replaced by `args`, as Word does.
std::string FillArguments(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace duel
