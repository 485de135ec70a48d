// Draws the seven-segment digit pictures; gives the program's icon.
#include "windows/digit_pictures.h"

#include "windows/game_style.h"

#include <QImage>

namespace duel {

namespace {

// Segments as bits: a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle.
enum : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

constexpr std::array<unsigned, 11> kSegments = {
    A | B | C | D | E | F,      // 0
    B | C,                      // 1
    A | B | G | E | D,          // 2
    A | B | G | C | D,          // 3
    F | G | B | C,              // 4
    A | F | G | C | D,          // 5
    A | F | G | E | C | D,      // 6
    A | B | C,                  // 7
    A | B | C | D | E | F | G,  // 8
    A | B | C | D | F | G,      // 9
    G,                          // dash
};

const QRgb kLit = qRgb(0, 255, 0);
const QRgb kUnlit = qRgb(0, 128, 0);
const QRgb kBackground = qRgb(0, 0, 0);

// Fills a segment's pixels: solid when lit, every other pixel when unlit.
void FillSegment(QImage& image, int x0, int y0, int x1, int y1, bool lit) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (lit || (x + y) % 2 == 0) image.setPixel(x, y, lit ? kLit : kUnlit);
}

QImage DrawDigit(unsigned segments) {
    QImage image(kDigitPictureWidth, kDigitPictureHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    // Horizontal bars span x 3..9; vertical bars are two pixels wide at the edges.
    FillSegment(image, 3, 1, 9, 2, segments & A);
    FillSegment(image, 10, 3, 11, 9, segments & B);
    FillSegment(image, 10, 13, 11, 19, segments & C);
    FillSegment(image, 3, 20, 9, 21, segments & D);
    FillSegment(image, 1, 13, 2, 19, segments & E);
    FillSegment(image, 1, 3, 2, 9, segments & F);
    FillSegment(image, 3, 10, 9, 12, segments & G);
    // Bevel the middle bar so it reads as a segment, not a block.
    image.setPixel(3, 10, kBackground);
    image.setPixel(9, 10, kBackground);
    image.setPixel(3, 12, kBackground);
    image.setPixel(9, 12, kBackground);
    return image;
}

}  // namespace

std::array<QPixmap, 11> MakeDigitPictures() {
    std::array<QPixmap, 11> pictures;
    for (size_t i = 0; i < pictures.size(); ++i) pictures[i] = QPixmap::fromImage(DrawDigit(kSegments[i]));
    return pictures;
}

QIcon MakeAppIcon(AppIconSizes sizes) {
    // Rendered at build time from the program's SVG icon and built in as
    // resources (dist/CMakeLists.txt); the window manager, the tray and the
    // about window each pick the size they need.  Read as PNG without a
    // guess at the format: guessing makes Qt load and ask every image-format
    // plugin first, which was the slowest step of the start.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        if (size > 64 && sizes == AppIconSizes::TitleBar) break;
        icon.addPixmap(ReadPng(QStringLiteral(":/icons/shelvy-%1.png").arg(size)));
    }
    return icon;
}

}  // namespace duel
