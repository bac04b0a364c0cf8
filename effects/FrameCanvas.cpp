#include "effects/FrameCanvas.h"

#include "effects/Blend.h"
#include "effects/Sprite.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace orvane {
namespace {

PixelRect Union(PixelRect a, PixelRect b) {
    if (a.Empty())
        return b;
    if (b.Empty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

std::uint32_t Premultiplied(Color c) {
    const std::uint32_t straight = (static_cast<std::uint32_t>(c.a) << 24) |
                                   (static_cast<std::uint32_t>(c.r) << 16) |
                                   (static_cast<std::uint32_t>(c.g) << 8) | c.b;
    const std::uint32_t scaled =
        blend::Narrow(blend::ScaleWide(blend::Widen(straight), _mm_set1_epi16(c.a)));
    return (scaled & 0x00FFFFFFu) | (straight & 0xFF000000u);
}

// The premultiplied colour at coverage 0..255 over the pixel.
inline void Blend(std::uint32_t& destination, std::uint32_t colour, int coverage) {
    __m128i source = blend::Widen(colour);
    if (coverage < 255)
        source = blend::ScaleWide(source, _mm_set1_epi16(static_cast<short>(coverage)));
    destination = blend::Narrow(blend::OverWide(source, blend::Widen(destination)));
}

// How much of the pixel [index, index + 1) lies in [from, to).
inline float Overlap(int index, float from, float to) {
    return std::max(0.0f, std::min(static_cast<float>(index + 1), to) -
                              std::max(static_cast<float>(index), from));
}

// Bounds far outside any screen, so that float to int conversions stay defined.
constexpr float kFar = 1e9f;

} // namespace

FrameCanvas::FrameCanvas(PixelBuffer buffer) : m_buffer(buffer), m_shapes(buffer) {}

void FrameCanvas::BeginFrame() {
    m_shapes.BeginFrame();
    const long long box = static_cast<long long>(m_drawn.right - m_drawn.left) *
                          (m_drawn.bottom - m_drawn.top);
    // Thousands of stars are cleared one by one; overlapping puffs that together cover
    // their box more than once are cleared as the box.
    if (!m_drawn.Empty() && m_drawnArea >= box) {
        for (int y = m_drawn.top; y < m_drawn.bottom; ++y)
            std::memset(Row(y) + m_drawn.left, 0,
                        sizeof(std::uint32_t) * (m_drawn.right - m_drawn.left));
    } else {
        for (const PixelRect& r : m_drawnRects)
            for (int y = r.top; y < r.bottom; ++y)
                std::memset(Row(y) + r.left, 0, sizeof(std::uint32_t) * (r.right - r.left));
    }
    m_drawnRects.clear();
    m_cleared = m_drawn;
    m_drawn = {};
    m_drawnArea = 0;
}

PixelRect FrameCanvas::DirtyRect() const {
    return Union(m_shapes.DirtyRect(), Union(m_cleared, m_drawn));
}

void FrameCanvas::Mark(int left, int top, int right, int bottom) {
    const PixelRect area{left, top, right, bottom};
    if (area.Empty())
        return;
    m_drawnRects.push_back(area);
    m_drawn = Union(m_drawn, area);
    m_drawnArea += static_cast<long long>(right - left) * (bottom - top);
}

void FrameCanvas::SetSmoothing(bool on) {
    m_smoothing = on;
    m_shapes.SetSmoothing(on);
}

void FrameCanvas::DrawSprite(const Sprite& sprite, int x, int y, int angle) {
    if (angle % 360 == 0)
        BlitSprite(sprite, x, y);
    else
        m_shapes.DrawSprite(sprite, x, y, angle);
}

void FrameCanvas::DrawImage(const Sprite& sprite, float x, float y, float width, float height) {
    if (width == sprite.Width() && height == sprite.Height() && x == std::floor(x) &&
        y == std::floor(y) && std::fabs(x) < kFar && std::fabs(y) < kFar)
        BlitSprite(sprite, static_cast<int>(x), static_cast<int>(y));
    else
        m_shapes.DrawImage(sprite, x, y, width, height);
}

void FrameCanvas::BlitSprite(const Sprite& sprite, int x, int y) {
    const int left = std::max(x, 0), right = std::min(x + sprite.Width(), Width());
    const int top = std::max(y, 0), bottom = std::min(y + sprite.Height(), Height());
    if (left >= right || top >= bottom)
        return;
    const int pitch = sprite.Pitch();
    const std::uint32_t* source = sprite.Padded() + (top - y + 1) * pitch + (left - x + 1);
    for (int row = top; row < bottom; ++row, source += pitch)
        blend::OverSpan(Row(row) + left, source, right - left);
    Mark(left, top, right, bottom);
}

void FrameCanvas::FillRect(float x, float y, float width, float height, Color color) {
    if (m_smoothing) {
        m_shapes.FillRect(x, y, width, height, color);
        return;
    }
    if (!(width > 0 && height > 0) || color.a == 0)
        return;
    // The pixels whose centres lie inside.
    const float right = std::ceil(std::min(x + width, kFar) - 0.5f);
    const float bottom = std::ceil(std::min(y + height, kFar) - 0.5f);
    const int left = std::max(0, static_cast<int>(std::ceil(std::max(x, -kFar) - 0.5f)));
    const int top = std::max(0, static_cast<int>(std::ceil(std::max(y, -kFar) - 0.5f)));
    const int end = std::min(Width(), static_cast<int>(right));
    const int last = std::min(Height(), static_cast<int>(bottom));
    if (left >= end || top >= last)
        return;
    const std::uint32_t p = Premultiplied(color);
    for (int row = top; row < last; ++row) {
        std::uint32_t* target = Row(row);
        if (color.a == 255)
            std::fill(target + left, target + end, p);
        else
            for (int column = left; column < end; ++column)
                Blend(target[column], p, 255);
    }
    Mark(left, top, end, last);
}

void FrameCanvas::DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) {
    if (count == 2 && m_smoothing && pen.width == 1.0f && pen.cap == LineCap::Flat &&
        pen.color.a != 0) {
        const float dx = points[1].x - points[0].x, dy = points[1].y - points[0].y;
        if (std::fabs(dx) <= std::fabs(dy) && std::fabs(dy) < kFar &&
            std::fabs(points[0].x) < kFar && std::fabs(points[0].y) < kFar) {
            DrawHairline(points[0], points[1], Premultiplied(pen.color));
            return;
        }
    }
    m_shapes.DrawPolyline(points, count, pen);
}

// A one-pixel line steeper than 45°, flat at both ends: row by row, the part of the row
// it spans times the part of each pixel its cross-section (1 / cos of its slant wide)
// covers at the middle of that part.
void FrameCanvas::DrawHairline(PointF a, PointF b, std::uint32_t colour) {
    if (a.y > b.y)
        std::swap(a, b);
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float slope = dx / dy;
    const float half = 0.5f * std::sqrt(dx * dx + dy * dy) / dy;
    const int top = std::max(0, static_cast<int>(std::floor(a.y)));
    const int bottom = std::min(Height(), static_cast<int>(std::ceil(b.y)));
    int minColumn = Width(), maxColumn = 0;
    for (int row = top; row < bottom; ++row) {
        const float y0 = std::max(static_cast<float>(row), a.y);
        const float y1 = std::min(static_cast<float>(row + 1), b.y);
        const float share = y1 - y0;
        if (share <= 0)
            continue;
        const float centre = a.x + ((y0 + y1) * 0.5f - a.y) * slope;
        const float from = centre - half, to = centre + half;
        const int first = std::max(0, static_cast<int>(std::floor(from)));
        const int end = std::min(Width(), static_cast<int>(std::ceil(to)));
        std::uint32_t* target = Row(row);
        for (int column = first; column < end; ++column) {
            const int coverage =
                static_cast<int>(share * Overlap(column, from, to) * 255.0f + 0.5f);
            if (coverage > 0)
                Blend(target[column], colour, coverage);
        }
        minColumn = std::min(minColumn, first);
        maxColumn = std::max(maxColumn, end);
    }
    Mark(minColumn, top, maxColumn, bottom);
}

void FrameCanvas::FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                  Color color) {
    m_shapes.FillRotatedRect(cx, cy, width, height, angle, color);
}

void FrameCanvas::FillEllipse(float x, float y, float width, float height, Color color) {
    m_shapes.FillEllipse(x, y, width, height, color);
}

void FrameCanvas::DrawEllipse(float x, float y, float width, float height, const Pen& pen) {
    m_shapes.DrawEllipse(x, y, width, height, pen);
}

void FrameCanvas::FillRadialGlow(float x, float y, float width, float height, Color centre,
                                 Color edge) {
    m_shapes.FillRadialGlow(x, y, width, height, centre, edge);
}

void FrameCanvas::Fill(Color color) {
    m_shapes.Fill(color);
}

} // namespace orvane
