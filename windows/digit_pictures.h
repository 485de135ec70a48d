// The seven-segment digit pictures, drawn by the program, and the program's icon.
#pragma once

#include "rules/guess_pictures.h"

#include <QIcon>
#include <QPixmap>

#include <array>

namespace duel {

inline constexpr int kDigitPictureWidth = 13;
inline constexpr int kDigitPictureHeight = 23;

// Eleven 13 x 23 pictures: the digits 0..9, then a dash.  Lit segments bright
// green, unlit ones dotted dark green, on black.
std::array<QPixmap, 11> MakeDigitPictures();

// Which pictures of the program's icon to read.
enum class AppIconSizes {
    TitleBar,  // 16 to 64 pixels: what a title bar and a window list show
    All,       // 16 to 256 pixels
};

// The program's icon (window, tray, about window): four digits of the display
// in a rounded square.
QIcon MakeAppIcon(AppIconSizes sizes = AppIconSizes::All);

}  // namespace duel
