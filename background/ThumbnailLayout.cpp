#include "background/ThumbnailLayout.h"

#include <cstdint>

namespace orvane {

ThumbnailPlace FitThumbnail(unsigned pictureWidth, unsigned pictureHeight) {
    if (pictureWidth == 0 || pictureHeight == 0)
        return {0, 0, 0, 0};
    // In whole numbers, so that every build truncates exactly: with the aspect ratio
    // r = w / h, a picture at least as wide as the cell (r >= 120 / 68) is 120 / r high
    // at y = (68 - 120 / r) / 2; a narrower one is 68 r wide at x = (120 - 68 r) / 2.
    const std::int64_t w = pictureWidth, h = pictureHeight;
    const std::int64_t cellW = kThumbnailWidth, cellH = kThumbnailHeight;
    if (w * cellH >= h * cellW)
        return {0, static_cast<int>((cellH * w - cellW * h) / (2 * w)), kThumbnailWidth,
                static_cast<int>(cellW * h / w)};
    return {static_cast<int>((cellW * h - cellH * w) / (2 * h)), 0, static_cast<int>(cellH * w / h),
            kThumbnailHeight};
}

} // namespace orvane
