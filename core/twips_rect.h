// A rectangle given in twips, as a widget geometry in logical pixels.
#pragma once

#include "core/twips.h"

#include <QRect>

namespace duel {

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace duel
