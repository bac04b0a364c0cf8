#pragma once

#include "effects/Sprite.h"

#include <cstdint>
#include <vector>

namespace orvane {

// A picture stretched to at least twice its size, drawn a frame row at a time with the
// rasterizer's bilinear samples: the same texels, fractions and rounding, clamped to the
// outer texels at the picture's edges. Sampled pixel by pixel, each sample would blend its
// four texels afresh; here a row blends its two texel rows down once, texel by texel, and
// each pixel only mixes two of those across. Columns whose texels are all transparent are
// left alone.
//
// Magnified exactly four times at a whole position, a picture with a transparent outer
// ring (a soft layer) is drawn faster still: every fraction is then an odd number of
// eighths, reached by halving between neighbours three times (SSE2's rounding average,
// sixteen channels at once). That rounds each channel up by at most two steps of 255
// where the rasterizer's truncation rounds down by as much.
class MagnifiedPicture {
public:
    // Whether the sprite stretched over the rectangle is magnified at least twice each way
    // and shows on a frame of the size; then Top() to Bottom() are the frame rows it covers.
    bool Begin(const Sprite& sprite, float x, float y, float width, float height, int frameWidth,
               int frameHeight);
    int Top() const { return m_top; }
    int Bottom() const { return m_bottom; }

    struct Span {
        int left = 0, right = 0;
    };
    // The samples of a frame row composited over its pixels (row points at column 0), or
    // replacing them (where they are transparent or to be cleared). Returns the columns
    // written: replacing, every one of them.
    Span DrawRow(int frameRow, std::uint32_t* row, bool replace);

private:
    struct Column {
        int texel;    // the left texel of the sample, in the padded picture
        int fraction; // of 256 towards the next texel
    };
    void MixDown(const std::uint32_t* upper, int fraction, int first, int last);
    Span DrawRowByFour(int texelRow, int eighths, std::uint32_t* row, bool replace, int begin,
                       int end);

    const Sprite* m_sprite = nullptr;
    int m_top = 0, m_bottom = 0;
    int m_left = 0; // the frame column of m_columns[0]
    int m_frameWidth = 0;
    bool m_byFour = false;
    int m_x = 0, m_y = 0; // the picture's whole position when m_byFour
    double m_v0 = 0, m_dv = 0;
    std::vector<Column> m_columns;
    // Per texel t, the first column whose sample's left texel is t or further right.
    std::vector<int> m_firstColumn;
    // Per pair of columns: each one's fraction, doubled, in its pixel's four lanes.
    std::vector<std::int16_t> m_weights;
    // Per padded texel row: its visible texels [begin, end), (pitch, 0) when it has none.
    std::vector<std::pair<int, int>> m_runs;
    // A row's two texel rows blended down: per texel t, its four channels and the
    // difference to texel t + 1 (times 128), 16 bits each.
    std::vector<std::int16_t> m_down, m_mixed;
    std::vector<std::uint32_t> m_halved; // by four: a row's texel rows mixed down
};

} // namespace orvane
