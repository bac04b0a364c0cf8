#pragma once

#include "effects/Canvas.h"

#include <cstddef>
#include <vector>

namespace orvane {

// Anti-aliased coverage of filled polygons over a rectangle of pixels, by exact signed
// area accumulation: each edge adds the area it covers to the cells it crosses, and a
// running sum along each row gives the winding-weighted coverage. Polygons added with
// the same sign merge (union); a negative sign cuts a hole.
class CoverageMask {
public:
    // The area to cover, in canvas pixels; clears what was accumulated.
    void Reset(int left, int top, int width, int height);
    void AddPolygon(const PointF* points, std::size_t count, int sign = 1);
    bool Empty() const { return m_width <= 0 || m_height <= 0; }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Turns row y (0 = Top()) into coverage 0..255 per pixel, Width() values, and clears
    // it for the next shape.
    void TakeRow(int y, unsigned char* coverage);

private:
    void AddEdge(PointF from, PointF to, float weight);
    void AddClippedEdge(double x0, double y0, double x1, double y1, float weight);

    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    int m_stride = 0;
    std::vector<float> m_cells;
};

} // namespace orvane
