// Procedural pictures for the sample gallery sets: landscapes, night skies and patterns.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace duel::art {

enum class Kind { Mountains, Lake, Night, Pattern, Meadow };

// One picture: what to draw, its size in pixels, and a seed that makes it its own.
struct Picture {
    Kind kind;
    int width;
    int height;
    unsigned seed;
};

// The pictures of the set with this menu item (2..6), in line order.
std::vector<Picture> SetPictures(int item);

// Draws one picture.
QImage Draw(const Picture& picture);

}  // namespace duel::art
