#include "personalize/FitRules.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {
int Round(double value) {
    return static_cast<int>(std::lround(value));
}
} // namespace

FitRect CoverRect(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return {0, 0, 0, 0};
    const double frameRatio = static_cast<double>(frameWidth) / frameHeight;
    const double pictureRatio = static_cast<double>(pictureWidth) / pictureHeight;
    if (frameRatio >= pictureRatio) {
        const int height = Round(static_cast<double>(frameWidth) / pictureWidth * pictureHeight);
        return {0, Round(-(height - frameHeight) * 0.5), frameWidth, height};
    }
    const int width = Round(static_cast<double>(frameHeight) / pictureHeight * pictureWidth);
    return {Round(-(width - frameWidth) * 0.5), 0, width, frameHeight};
}

FitRect FitInSquare(int pictureWidth, int pictureHeight, int side) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || side <= 0)
        return {0, 0, 0, 0};
    const double ratio = static_cast<double>(pictureWidth) / pictureHeight;
    if (ratio >= 1) {
        // At least one pixel, so that a sliver of a picture still has a thumbnail.
        const int height = std::max(1, Round(side / ratio));
        return {0, Round((side - side / ratio) * 0.5), side, height};
    }
    const int width = std::max(1, Round(side * ratio));
    return {Round((side - side * ratio) * 0.5), 0, width, side};
}

} // namespace orvane
