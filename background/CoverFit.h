#pragma once

namespace orvane {

// A rectangle in pixels, relative to the window that shows the picture.
struct FitRect {
    int x;
    int y;
    int width;
    int height;
};

// Cover rule: scales a source of sourceWidth x sourceHeight so that it fills a window of
// width x height with its aspect ratio kept; the overflow on the long axis is split
// equally between both sides (negative x or y). Single-precision arithmetic, each value
// truncated toward zero. A source without a size gives an empty rectangle.
FitRect CoverFit(float width, float height, float sourceWidth, float sourceHeight);

// A rectangle in fractional pixels, for drawing with GDI+.
struct FitRectF {
    float x;
    float y;
    float width;
    float height;
};

// Contain rule: scales a picture of sourceWidth x sourceHeight to fit whole into a
// window of width x height with its aspect ratio kept, centred on the other axis. A
// picture or window without a size gives an empty rectangle.
FitRectF ContainFit(float width, float height, float sourceWidth, float sourceHeight);

} // namespace orvane
