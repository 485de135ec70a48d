// The name a record holder may keep: the characters the settings file can store, eight at most.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace duel {

// Longest name a record holder may type.
inline constexpr int kMaxRecordNameLength = 8;

// `text` made storable in the settings file: every character that
// Windows-1251 cannot hold, every control character and every character that
// shows nothing (the soft hyphen, see IsInvisibleCharacter) dropped, then cut to
// kMaxRecordNameLength.  `cursor` (a place in `text`, 0 to its size), if
// given, is moved along: it becomes the number of kept characters that stood
// before it, so typing in the middle of a name leaves the cursor after what
// was typed.
std::u32string StorableRecordName(std::u32string_view text, std::size_t* cursor = nullptr);

}  // namespace duel
