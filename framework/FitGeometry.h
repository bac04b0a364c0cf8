#pragma once

namespace orvane {

// Where a picture goes inside a frame, in whole pixels relative to the frame: its
// top-left corner (negative where it is cropped) and its drawn size.
struct FitRect {
    int x;
    int y;
    int width;
    int height;
};

// The same in fractional pixels, for drawing with GDI+.
struct FitRectF {
    float x;
    float y;
    float width;
    float height;
};

// Each rule keeps the picture's aspect ratio; a picture or frame without a size gives an
// empty rectangle.
//
// Cover: the picture fills the frame and what sticks out on the long axis is cropped
// equally on both sides. CoverFit works in single precision, each value truncated
// toward zero, as the video and preview frames are placed; CoverRect rounds to the
// nearest pixel, for the logon image.
FitRect CoverFit(float width, float height, float sourceWidth, float sourceHeight);
FitRect CoverRect(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight);

// Contain: the picture fits whole, centred on the other axis.
FitRectF ContainFit(float width, float height, float sourceWidth, float sourceHeight);
// Contain in a side x side square, rounded, at least one pixel on the short side so
// that a sliver of a picture still shows.
FitRect FitInSquare(int pictureWidth, int pictureHeight, int side);
// Contain in a cell, computed in whole numbers so that every build truncates exactly.
FitRect ContainInCell(unsigned pictureWidth, unsigned pictureHeight, int cellWidth, int cellHeight);

} // namespace orvane
