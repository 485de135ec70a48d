// Characters that show nothing, join or turn text, and the spaces: what no name a person reads may hide.
#pragma once

namespace duel {

// True for a character that draws nothing or changes how its neighbours are drawn without being
// seen: controls (C0, DEL, C1), the soft hyphen, joiners and non-joiners, direction marks,
// embeddings, overrides and isolates, line and paragraph separators, invisible operators, the
// fillers that look like a letter but draw nothing (Hangul fillers, the blank Braille pattern,
// Khmer inherent vowels), Mongolian selectors, variation selectors, the byte order mark, interlinear
// annotation marks, tags, the other default-ignorable characters and the noncharacters.  A name that
// holds one could look like another name or like no name at all.
bool IsInvisibleCharacter(char32_t c);

// True for a space of any width (U+0020, the no-break and ideographic spaces, the spaces of
// U+2000-U+200A ...): allowed inside a name, never at its start or end.
bool IsSpaceCharacter(char32_t c);

}  // namespace duel
