// Laying out the picture viewer for a picture and a screen.
#include "gallery/viewer_geometry.h"

#include <algorithm>
#include <limits>

namespace duel {

namespace {

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t Length(int64_t v) { return Clamp32(std::max<int64_t>(0, v)); }

// A scroll step is at least 1 so that the arrows and the track always move
// the picture, even when it is only a little taller than the frame.
int32_t Step(int64_t excess, int64_t parts) { return Clamp32(std::max<int64_t>(1, RoundHalfToEven(excess, parts))); }

}  // namespace

int64_t RoundHalfToEven(int64_t num, int64_t den) {
    int64_t q = num / den;
    int64_t r = num % den;
    if (r < 0) {  // floor division
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return q;
}

ViewerGeometry ComputeViewerGeometry(int32_t pictureWidth, int32_t pictureHeight, int32_t screenWidth,
                                     int32_t screenHeight) {
    const int64_t w = std::max(0, pictureWidth);
    const int64_t h = std::max(0, pictureHeight);
    const int64_t sw = screenWidth;
    const int64_t sh = screenHeight;
    ViewerGeometry g;

    int64_t frameHeight = h + kViewerPictureTop;
    int64_t vScrollHeight = h;
    int64_t windowHeight = h + 675;
    int64_t sideRoom = 315;  // window width beyond the picture: the scroll bar lies outside
    g.fits = windowHeight + 1000 < sh;
    if (!g.fits) {
        sideRoom = 675;
        windowHeight = sh - 1000;
        vScrollHeight = sh - 1675;
        frameHeight = sh - 1585;
        const int64_t excess = h - frameHeight;
        g.vScrollMax = Length(excess + kViewerPictureTop);
        g.vLargeChange = Step(excess, 10);
        g.vSmallChange = Step(excess, 30);
    }

    int64_t frameWidth = w;
    int64_t windowWidth = w + sideRoom;
    if (windowWidth > sw) {
        g.hScrolls = true;
        windowWidth = sw;
        frameWidth = std::max<int64_t>(0, sw - sideRoom);
        const int64_t excess = w - frameWidth;
        g.hScrollTop = Length(frameHeight);
        g.hScrollMax = Length(excess);
        g.hLargeChange = Step(excess, 10);
        g.hSmallChange = Step(excess, 30);
        windowHeight += kViewerHScrollHeight;
    }

    g.frameWidth = Length(frameWidth);
    g.frameHeight = Length(frameHeight);
    g.vScrollLeft = Length(frameWidth + 225);
    g.vScrollHeight = Length(vScrollHeight);
    g.windowWidth = Length(windowWidth);
    g.windowHeight = Length(windowHeight);
    g.windowTop = Clamp32(RoundHalfToEven(sh - windowHeight, 2));
    g.windowLeft = Clamp32(RoundHalfToEven(sw - windowWidth, 2));
    return g;
}

}  // namespace duel
