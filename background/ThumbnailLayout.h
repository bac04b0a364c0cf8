#pragma once

#include "framework/FitGeometry.h"

namespace orvane {

// Every thumbnail of the picture page is a cell of this size.
constexpr int kThumbnailWidth = 120;
constexpr int kThumbnailHeight = 68;

// Where a picture of the given size goes in its cell: scaled to fit whole with its
// aspect ratio kept, centred, sizes and offsets truncated toward zero. A picture
// without a size gets nothing (width and height 0).
inline FitRect FitThumbnail(unsigned pictureWidth, unsigned pictureHeight) {
    return ContainInCell(pictureWidth, pictureHeight, kThumbnailWidth, kThumbnailHeight);
}

} // namespace orvane
