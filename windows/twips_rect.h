// Rectangles and window sizes given in twips, as widget geometry in logical pixels.
#pragma once

#include "rules/twips.h"

#include <QRect>
#include <QSize>

namespace duel {

// Client size of a window whose outer size the layout gives in twips: the
// classic border and title bar (90 x 375 twips) come off.
inline QSize ClientSizeOfOuterTwips(int outerWidth, int outerHeight) {
    return {TwipsToPixels(outerWidth - 90), TwipsToPixels(outerHeight - 375)};
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace duel
