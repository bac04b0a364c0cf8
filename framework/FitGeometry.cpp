#include "framework/FitGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orvane {
namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

FitRect CoverFit(float width, float height, float sourceWidth, float sourceHeight) {
    if (sourceWidth <= 0.0f || sourceHeight <= 0.0f || height <= 0.0f)
        return {0, 0, 0, 0};
    float x = 0.0f, y = 0.0f, w = width, h = height;
    if (width / height >= sourceWidth / sourceHeight) {
        h = width / sourceWidth * sourceHeight;
        y = -(h - height) * 0.5f;
    } else {
        w = height / sourceHeight * sourceWidth;
        x = -(w - width) * 0.5f;
    }
    return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h)};
}

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

FitRectF ContainFit(float width, float height, float sourceWidth, float sourceHeight) {
    if (sourceWidth <= 0.0f || sourceHeight <= 0.0f || width <= 0.0f || height <= 0.0f)
        return {0.0f, 0.0f, 0.0f, 0.0f};
    const float ratio = sourceWidth / sourceHeight;
    if (ratio >= width / height)
        return {0.0f, (height - width / ratio) * 0.5f, width, width / ratio};
    return {(width - height * ratio) * 0.5f, 0.0f, height * ratio, height};
}

FitRect FitInSquare(int pictureWidth, int pictureHeight, int side) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || side <= 0)
        return {0, 0, 0, 0};
    const double ratio = static_cast<double>(pictureWidth) / pictureHeight;
    if (ratio >= 1) {
        const int height = std::max(1, Round(side / ratio));
        return {0, Round((side - side / ratio) * 0.5), side, height};
    }
    const int width = std::max(1, Round(side * ratio));
    return {Round((side - side * ratio) * 0.5), 0, width, side};
}

FitRect ContainInCell(unsigned pictureWidth, unsigned pictureHeight, int cellWidth,
                      int cellHeight) {
    if (pictureWidth == 0 || pictureHeight == 0 || cellWidth <= 0 || cellHeight <= 0)
        return {0, 0, 0, 0};
    // With the aspect ratio r = w / h, a picture at least as wide as the cell is
    // cellW / r high at y = (cellH - cellW / r) / 2; a narrower one is cellH r wide at
    // x = (cellW - cellH r) / 2.
    const std::int64_t w = pictureWidth, h = pictureHeight;
    const std::int64_t cellW = cellWidth, cellH = cellHeight;
    if (w * cellH >= h * cellW)
        return {0, static_cast<int>((cellH * w - cellW * h) / (2 * w)), cellWidth,
                static_cast<int>(cellW * h / w)};
    return {static_cast<int>((cellW * h - cellH * w) / (2 * h)), 0, static_cast<int>(cellH * w / h),
            cellHeight};
}

} // namespace orvane
