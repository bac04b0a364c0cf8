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
    AddClippedEdge(from.x - m_left, from.y - m_top, to.x - m_left, to.y - m_top, weight);
}

// The parts of an edge left or right of the area are replaced by vertical edges on its
// border: that keeps the winding inside the area the same.
void CoverageMask::AddClippedEdge(float x0, float y0, float x1, float y1, float weight) {
    const float right = static_cast<float>(m_width);
    for (float border : {0.0f, right}) {
        if ((x0 < border) != (x1 < border) && x0 != border && x1 != border) {
            const float y = y0 + (border - x0) * (y1 - y0) / (x1 - x0);
            AddClippedEdge(x0, y0, border, y, weight);
            AddClippedEdge(border, y, x1, y1, weight);
            return;
        }
    }
    x0 = std::clamp(x0, 0.0f, right);
    x1 = std::clamp(x1, 0.0f, right);
    if (y0 == y1)
        return;
    float direction = weight;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        direction = -direction;
    }
    const float height = static_cast<float>(m_height);
    if (y1 <= 0 || y0 >= height)
        return;
    const float dxdy = (x1 - x0) / (y1 - y0);
    float x = x0;
    if (y0 < 0) {
        x -= y0 * dxdy;
        y0 = 0;
    }
    const int rowEnd = std::min(m_height, static_cast<int>(std::ceil(y1)));
    for (int row = static_cast<int>(y0); row < rowEnd; ++row) {
        float* cells = &m_cells[static_cast<std::size_t>(row) * m_stride];
        const float dy =
            std::min(static_cast<float>(row + 1), y1) - std::max(static_cast<float>(row), y0);
        const float xNext = std::clamp(x + dxdy * dy, 0.0f, right);
        const float d = dy * direction;
        const float xa = std::min(x, xNext);
        const float xb = std::max(x, xNext);
        const float xaFloor = std::floor(xa);
        const int ia = static_cast<int>(xaFloor);
        const int ib = static_cast<int>(std::ceil(xb));
        if (ib <= ia + 1) {
            // Within one cell: the area right of the edge's mean x.
            const float mean = 0.5f * (x + xNext) - xaFloor;
            cells[ia] += d - d * mean;
            cells[ia + 1] += d * mean;
        } else {
            const float s = 1.0f / (xb - xa);
            const float fa = xa - xaFloor;
            const float first = 0.5f * s * (1 - fa) * (1 - fa);
            const float fb = xb - static_cast<float>(ib) + 1;
            const float last = 0.5f * s * fb * fb;
            cells[ia] += d * first;
            if (ib == ia + 2) {
                cells[ia + 1] += d * (1 - first - last);
            } else {
                const float second = s * (1.5f - fa);
                cells[ia + 1] += d * (second - first);
                for (int i = ia + 2; i < ib - 1; ++i)
                    cells[i] += d * s;
                const float beforeLast = second + static_cast<float>(ib - ia - 3) * s;
                cells[ib - 1] += d * (1 - beforeLast - last);
            }
            cells[ib] += d * last;
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
