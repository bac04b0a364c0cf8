#include "effects/Coverage.h"

#include <algorithm>
#include <cmath>

namespace orvane {

void CoverageMask::Reset(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    // Two spare cells per row take the spill of edges on the right border.
    m_stride = m_width + 2;
    m_cells.assign(static_cast<std::size_t>(m_stride) * m_height, 0.0f);
}

void CoverageMask::AddPolygon(const PointF* points, std::size_t count, int sign) {
    if (count < 3 || Empty())
        return;
    double area = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const PointF& a = points[i];
        const PointF& b = points[(i + 1) % count];
        area += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    if (area == 0 || !std::isfinite(area))
        return;
    // Whatever the order of the points, the polygon winds the way the sign asks.
    const float weight = (area > 0) == (sign > 0) ? 1.0f : -1.0f;
    for (std::size_t i = 0; i < count; ++i)
        AddEdge(points[i], points[(i + 1) % count], weight);
}

void CoverageMask::AddEdge(PointF from, PointF to, float weight) {
    AddClippedEdge(static_cast<double>(from.x) - m_left, static_cast<double>(from.y) - m_top,
                   static_cast<double>(to.x) - m_left, static_cast<double>(to.y) - m_top, weight);
}

// The parts of an edge left or right of the area are replaced by vertical edges on its
// border: that keeps the winding inside the area the same. The clipping is done in double
// precision, and every x is clamped to the area again after each step, so that an edge
// from far outside cannot land a fraction of a pixel before the row or past its spill
// cells, and every row and cell index stays inside the mask.
void CoverageMask::AddClippedEdge(double x0, double y0, double x1, double y1, float weight) {
    const double right = m_width;
    for (double border : {0.0, right}) {
        if ((x0 < border) != (x1 < border) && x0 != border && x1 != border) {
            const double y = y0 + (border - x0) * (y1 - y0) / (x1 - x0);
            AddClippedEdge(x0, y0, border, y, weight);
            AddClippedEdge(border, y, x1, y1, weight);
            return;
        }
    }
    x0 = std::clamp(x0, 0.0, right);
    x1 = std::clamp(x1, 0.0, right);
    if (!(y0 != y1))
        return; // horizontal, or not a number
    double direction = weight;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        direction = -direction;
    }
    const double height = m_height;
    if (y1 <= 0 || y0 >= height)
        return;
    const double dxdy = (x1 - x0) / (y1 - y0);
    if (y0 < 0) {
        x0 = std::clamp(x0 - y0 * dxdy, 0.0, right);
        y0 = 0;
    }
    if (y1 > height) {
        x1 = std::clamp(x1 - (y1 - height) * dxdy, 0.0, right);
        y1 = height;
    }
    double x = x0;
    const int rowEnd = std::min(m_height, static_cast<int>(std::ceil(y1)));
    for (int row = static_cast<int>(y0); row < rowEnd; ++row) {
        float* cells = &m_cells[static_cast<std::size_t>(row) * m_stride];
        const double dy = std::min(row + 1.0, y1) - std::max(static_cast<double>(row), y0);
        const double xNext = row + 1 == rowEnd ? x1 : std::clamp(x + dxdy * dy, 0.0, right);
        const double d = dy * direction;
        const double xa = std::min(x, xNext);
        const double xb = std::max(x, xNext);
        const double xaFloor = std::floor(xa);
        const int ia = static_cast<int>(xaFloor);
        const int ib = static_cast<int>(std::ceil(xb));
        if (ib <= ia + 1) {
            // Within one cell: the area right of the edge's mean x.
            const double mean = 0.5 * (x + xNext) - xaFloor;
            cells[ia] += static_cast<float>(d - d * mean);
            cells[ia + 1] += static_cast<float>(d * mean);
        } else {
            const double s = 1.0 / (xb - xa);
            const double fa = xa - xaFloor;
            const double first = 0.5 * s * (1 - fa) * (1 - fa);
            const double fb = xb - ib + 1;
            const double last = 0.5 * s * fb * fb;
            cells[ia] += static_cast<float>(d * first);
            if (ib == ia + 2) {
                cells[ia + 1] += static_cast<float>(d * (1 - first - last));
            } else {
                const double second = s * (1.5 - fa);
                cells[ia + 1] += static_cast<float>(d * (second - first));
                for (int i = ia + 2; i < ib - 1; ++i)
                    cells[i] += static_cast<float>(d * s);
                const double beforeLast = second + (ib - ia - 3) * s;
                cells[ib - 1] += static_cast<float>(d * (1 - beforeLast - last));
            }
            cells[ib] += static_cast<float>(d * last);
        }
        x = xNext;
    }
}

void CoverageMask::TakeRow(int y, unsigned char* coverage) {
    float* cells = &m_cells[static_cast<std::size_t>(y) * m_stride];
    float sum = 0;
    for (int x = 0; x < m_width; ++x) {
        sum += cells[x];
        cells[x] = 0;
        const float c = std::min(std::fabs(sum), 1.0f);
        coverage[x] = static_cast<unsigned char>(c * 255.0f + 0.5f);
    }
    cells[m_width] = cells[m_width + 1] = 0;
}

} // namespace orvane
