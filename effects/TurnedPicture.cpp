#include "effects/TurnedPicture.h"

#include <algorithm>

namespace orvane {

TurnedPicture TrimPicture(const std::uint32_t* pixels, int width, int height, int stride, int left,
                          int top) {
    // Each row's visible run, then the box around all of them.
    std::vector<TurnedPicture::Row> runs(static_cast<std::size_t>(std::max(height, 0)));
    int first = height, last = -1, boxLeft = width, boxRight = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        int begin = 0, end = width;
        while (begin < end && row[begin] == 0)
            ++begin;
        while (end > begin && row[end - 1] == 0)
            --end;
        runs[static_cast<std::size_t>(y)] = {begin, end, 0};
        if (begin < end) {
            first = std::min(first, y);
            last = y;
            boxLeft = std::min(boxLeft, begin);
            boxRight = std::max(boxRight, end);
        }
    }
    TurnedPicture picture;
    if (last < first)
        return picture; // nothing visible
    picture.left = left + boxLeft;
    picture.top = top + first;
    picture.width = boxRight - boxLeft;
    picture.height = last + 1 - first;
    for (int y = first; y <= last; ++y) {
        const TurnedPicture::Row& run = runs[static_cast<std::size_t>(y)];
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        const int begin = run.begin < run.end ? run.begin : boxLeft;
        const int end = run.begin < run.end ? run.end : boxLeft;
        picture.rows.push_back(
            {begin - boxLeft, end - boxLeft, static_cast<std::uint32_t>(picture.pixels.size())});
        picture.pixels.insert(picture.pixels.end(), row + begin, row + end);
    }
    picture.pixels.shrink_to_fit();
    return picture;
}

} // namespace orvane
