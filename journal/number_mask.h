// The numbers of an unfinished game as the journal keeps them: masked with the game's key, so a look into the file
// does not show them.
//
// This only stops casual peeking (a text viewer, `sqlite3` on the file): the
// key is kept beside the numbers, so anyone who reads this file can unmask
// them.  A finished game keeps its numbers plain.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duel {

// Which of the game's two numbers: each takes other bytes of the key.
enum class MaskedNumber { Computer = 0, Player = 1 };

// `number` (any text of at most 4 bytes) with every byte XORed with a byte of
// `key`, as 8 lower-case hexadecimal digits, 2 for each byte; the text as it
// is when key is 0, and empty for an empty text.
std::string MaskNumber(std::string_view number, uint64_t key, MaskedNumber which);

// The text MaskNumber masked; `stored` as it is when key is 0; nothing when
// `stored` is not what MaskNumber writes (the file was edited or damaged).
std::optional<std::string> UnmaskNumber(std::string_view stored, uint64_t key, MaskedNumber which);

}  // namespace duel
