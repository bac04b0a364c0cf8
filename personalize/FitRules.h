#pragma once

namespace orvane {

// Where a picture goes inside a frame: its top-left corner (negative where it is
// cropped) and its drawn size.
struct FitRect {
    int x;
    int y;
    int width;
    int height;
};

// Scales the picture to fill the frame with its aspect ratio kept, cropping what
// sticks out equally on both sides. Zero-sized input gives an empty rectangle.
FitRect CoverRect(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight);

// Scales the picture to fit whole into a side x side square, centred.
FitRect FitInSquare(int pictureWidth, int pictureHeight, int side);

} // namespace orvane
