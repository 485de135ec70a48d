// Size, place and scroll ranges of the picture viewer, all in twips, from the picture and the screen.
//
// The viewer's frame shows the picture; the picture starts 90 twips below the
// frame's top.  A picture too tall for the screen gets a window 1000 twips
// shorter than the screen and a vertical scroll bar; a picture too wide for
// the screen gets a window as wide as the screen and a horizontal scroll bar
// under the frame.  Scroll values are 32-bit, so a picture of any height
// scrolls all the way to its bottom.
#pragma once

#include <cstdint>

namespace duel {

// Room the picture starts below the frame's top.
inline constexpr int32_t kViewerPictureTop = 90;

// Height of the horizontal scroll bar under the frame (17 pixels).
inline constexpr int32_t kViewerHScrollHeight = 255;

struct ViewerGeometry {
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t vScrollLeft = 0;
    int32_t vScrollHeight = 0;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t windowLeft = 0;
    int32_t windowTop = 0;

    bool fits = true;        // no vertical scrolling: vScrollMax 0
    int32_t vScrollMax = 0;  // minimum 0, value starts at 0
    int32_t vLargeChange = 1;
    int32_t vSmallChange = 1;

    bool hScrolls = false;   // the horizontal bar is shown only then
    int32_t hScrollTop = 0;  // just under the frame; left 0, width frameWidth
    int32_t hScrollMax = 0;
    int32_t hLargeChange = 1;
    int32_t hSmallChange = 1;
};

// Lays the viewer out for a picture of pictureWidth x pictureHeight on a
// screen of screenWidth x screenHeight, all in twips.
ViewerGeometry ComputeViewerGeometry(int32_t pictureWidth, int32_t pictureHeight, int32_t screenWidth,
                                     int32_t screenHeight);

// The picture's top inside the frame for a vertical scroll value.
inline int32_t PictureTopForScroll(int32_t value) { return kViewerPictureTop - value; }

// The picture's left inside the frame for a horizontal scroll value.
inline int32_t PictureLeftForScroll(int32_t value) { return -value; }

// num / den rounded to the nearest integer, halves to even (den > 0).
int64_t RoundHalfToEven(int64_t num, int64_t den);

}  // namespace duel
