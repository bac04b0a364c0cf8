#pragma once

namespace orvane {

// Every thumbnail of the picture page is a cell of this size.
constexpr int kThumbnailWidth = 120;
constexpr int kThumbnailHeight = 68;

struct ThumbnailPlace {
    int x, y, width, height;
};

// Where a picture of the given size goes in its cell: scaled to fit whole with its
// aspect ratio kept, centred, sizes and offsets truncated toward zero. A picture
// without a size gets nothing (width and height 0).
ThumbnailPlace FitThumbnail(unsigned pictureWidth, unsigned pictureHeight);

} // namespace orvane
