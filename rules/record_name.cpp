// A record holder's name filtered to the visible characters Windows-1251 stores and cut to its length, the cursor kept
// in place.
#include "rules/record_name.h"

#include "rules/cp1251.h"
#include "rules/invisible_characters.h"

namespace duel {

std::u32string StorableRecordName(std::u32string_view text, std::size_t* cursor) {
    std::u32string kept;
    std::size_t keptBeforeCursor = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsStorableInCp1251(text[i]) || IsInvisibleCharacter(text[i])) continue;
        if (kept.size() >= static_cast<std::size_t>(kMaxRecordNameLength)) break;
        kept.push_back(text[i]);
        if (cursor && i < *cursor) ++keptBeforeCursor;
    }
    if (cursor) *cursor = keptBeforeCursor;
    return kept;
}

}  // namespace duel
