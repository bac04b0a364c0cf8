#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

// A sprite as drawn at one turn, kept so that later frames copy it instead of sampling it
// again: its box, placed relative to the sprite's pivot, and for each row of the box only
// the run from the first to the last pixel that is not fully transparent.
struct TurnedPicture {
    struct Row {
        int begin = 0, end = 0;   // columns of the box; empty when begin == end
        std::uint32_t offset = 0; // index in pixels of the pixel at column begin
    };
    int left = 0, top = 0; // the box's top-left corner, measured from the pivot
    int width = 0, height = 0;
    std::vector<Row> rows;
    std::vector<std::uint32_t> pixels;
};

// Keeps of width × height premultiplied pixels (stride apart from row to row) only each
// row's run between its first and last visible pixel; (left, top) is where the first of
// them lies relative to the pivot.
TurnedPicture TrimPicture(const std::uint32_t* pixels, int width, int height, int stride, int left,
                          int top);

} // namespace orvane
