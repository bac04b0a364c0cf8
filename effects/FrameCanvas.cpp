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
inline void Blend(std::uint32_t& destination, std::uint32_t colour, std::uint32_t coverage) {
    const std::uint32_t source = coverage < 255 ? blend::ScalePixel(colour, coverage) : colour;
    destination = source + blend::ScalePixel(destination, 255 - (source >> 24));
}

// How much of the pixel [index, index + 1) lies in [from, to).
inline float Overlap(int index, float from, float to) {
    return std::max(0.0f, std::min(static_cast<float>(index + 1), to) -
                              std::max(static_cast<float>(index), from));
}

// Bounds far outside any screen, so that float to int conversions stay defined.
constexpr float kFar = 1e9f;

// floor and ceil of values within ±kFar to whole numbers. Without SSE 4.1 the library's
// std::floor is a call, which thousands of streaks a frame, 25 rows each, would pay for.
inline int FloorToInt(float v) {
    const int i = static_cast<int>(v);
    return i - (v < static_cast<float>(i));
}
inline int CeilToInt(float v) {
    return -FloorToInt(-v);
}

inline void Prefetch(const std::uint32_t* pixel) {
    _mm_prefetch(reinterpret_cast<const char*>(pixel), _MM_HINT_T0);
}

} // namespace

FrameCanvas::FrameCanvas(PixelBuffer buffer) : m_buffer(buffer), m_shapes(buffer) {}

void FrameCanvas::BeginFrame() {
    Flush();
    m_shapes.BeginFrame();
    const long long box =
        static_cast<long long>(m_drawn.right - m_drawn.left) * (m_drawn.bottom - m_drawn.top);
    // Thousands of stars are cleared one by one; overlapping puffs that together cover
    // their box more than once are cleared as the box.
    if (!m_drawn.Empty() && m_drawnArea >= box) {
        for (int y = m_drawn.top; y < m_drawn.bottom; ++y)
            std::memset(Row(y) + m_drawn.left, 0,
                        sizeof(std::uint32_t) * (m_drawn.right - m_drawn.left));
    } else {
        for (const PixelRect& r : m_drawnRects)
            for (int y = r.top; y < r.bottom; ++y) {
                std::uint32_t* row = Row(y);
                // Stars and streaks are a few pixels wide: a call per row would cost more.
                if (r.right - r.left <= 8)
                    for (int x = r.left; x < r.right; ++x)
                        row[x] = 0;
                else
                    std::memset(row + r.left, 0, sizeof(std::uint32_t) * (r.right - r.left));
            }
    }
    m_drawnRects.clear();
    m_cleared = m_drawn;
    m_drawn = {};
    m_drawnArea = 0;
}

PixelRect FrameCanvas::DirtyRect() {
    Flush();
    return Union(m_shapes.DirtyRect(), Union(m_cleared, m_drawn));
}

// Thousands of stars or streaks scattered over the frame, drawn in the order they come,
// would each fetch its rows of the 8 MB frame afresh; in the order of their top rows they
// share the rows in the cache, and the pixels of the items a few places ahead are asked
// for while the current one is drawn. They are of one colour, so the order changes no
// pixel (or by one step of rounding where translucent ones overlap).
template <class Item, class RowOf, class Fetch, class Draw>
void FrameCanvas::InRowOrder(std::vector<Item>& items, RowOf rowOf, Fetch fetch, Draw draw) {
    const int height = Height();
    m_rowStarts.assign(static_cast<std::size_t>(height) + 1, 0);
    for (const Item& item : items)
        ++m_rowStarts[static_cast<std::size_t>(std::clamp(rowOf(item), 0, height - 1)) + 1];
    for (int row = 0; row < height; ++row)
        m_rowStarts[row + 1] += m_rowStarts[row];
    m_order.resize(items.size());
    for (std::uint32_t i = 0; i < items.size(); ++i)
        m_order[m_rowStarts[std::clamp(rowOf(items[i]), 0, height - 1)]++] = i;
    constexpr std::size_t kAhead = 8;
    for (std::size_t k = 0; k < m_order.size(); ++k) {
        if (k + kAhead < m_order.size())
            fetch(items[m_order[k + kAhead]]);
        draw(items[m_order[k]]);
    }
    items.clear();
}

void FrameCanvas::Flush() {
    switch (m_batch) {
    case Batch::None:
        return;
    case Batch::Rects:
        InRowOrder(
            m_pendingRects, [](const PixelRect& r) { return r.top; },
            [this](const PixelRect& r) { Prefetch(Row(r.top) + r.left); },
            [this](const PixelRect& r) { FillNow(r); });
        break;
    case Batch::Lines:
        InRowOrder(
            m_pendingLines, [](const PendingLine& l) { return FloorToInt(l.a.y); },
            [this](const PendingLine& l) { PrefetchLine(l); },
            [this](const PendingLine& l) { DrawHairline(l.a, l.b); });
        break;
    }
    m_batch = Batch::None;
}

// The pixels of each row a streak crosses, where it crosses it.
void FrameCanvas::PrefetchLine(const PendingLine& l) {
    const int top = std::max(0, FloorToInt(l.a.y)), bottom = std::min(Height(), CeilToInt(l.b.y));
    const float step = (l.b.x - l.a.x) / (l.b.y - l.a.y);
    float x = l.a.x + (static_cast<float>(top) - l.a.y) * step;
    for (int row = top; row < bottom; ++row, x += step)
        Prefetch(Row(row) + std::clamp(FloorToInt(x), 0, Width() - 1));
}

void FrameCanvas::Begin(Batch batch, std::uint32_t colour) {
    if (m_batch == batch && m_batchColour == colour)
        return;
    Flush();
    m_batch = batch;
    m_batchColour = colour;
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
    Flush();
    if (angle % 360 == 0)
        BlitSprite(sprite, x, y);
    else
        m_shapes.DrawSprite(sprite, x, y, angle);
}

void FrameCanvas::DrawImage(const Sprite& sprite, float x, float y, float width, float height) {
    Flush();
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
        Flush();
        m_shapes.FillRect(x, y, width, height, color);
        return;
    }
    if (!(width > 0 && height > 0) || color.a == 0)
        return;
    // The pixels whose centres lie inside.
    const int left = std::max(0, CeilToInt(std::max(x, -kFar) - 0.5f));
    const int top = std::max(0, CeilToInt(std::max(y, -kFar) - 0.5f));
    const int end = std::min(Width(), CeilToInt(std::min(x + width, kFar) - 0.5f));
    const int last = std::min(Height(), CeilToInt(std::min(y + height, kFar) - 0.5f));
    if (left >= end || top >= last)
        return;
    Begin(Batch::Rects, Premultiplied(color));
    m_pendingRects.push_back({left, top, end, last});
}

void FrameCanvas::FillNow(const PixelRect& r) {
    const std::uint32_t p = m_batchColour;
    for (int row = r.top; row < r.bottom; ++row) {
        std::uint32_t* target = Row(row);
        if (p >> 24 == 255)
            std::fill(target + r.left, target + r.right, p);
        else
            for (int column = r.left; column < r.right; ++column)
                Blend(target[column], p, 255);
    }
    Mark(r.left, r.top, r.right, r.bottom);
}

void FrameCanvas::DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) {
    if (count == 2 && m_smoothing && pen.width == 1.0f && pen.cap == LineCap::Flat &&
        pen.color.a != 0) {
        const float dx = points[1].x - points[0].x, dy = points[1].y - points[0].y;
        if (std::fabs(dx) <= std::fabs(dy) && std::fabs(dy) < kFar &&
            std::fabs(points[0].x) < kFar && std::fabs(points[0].y) < kFar) {
            Begin(Batch::Lines, Premultiplied(pen.color));
            PointF a = points[0], b = points[1];
            if (a.y > b.y)
                std::swap(a, b);
            m_pendingLines.push_back({a, b});
            return;
        }
    }
    Flush();
    m_shapes.DrawPolyline(points, count, pen);
}

// A one-pixel line steeper than 45°, flat at both ends: row by row, the part of the row
// it spans times the part of each pixel its cross-section (1 / cos of its slant wide, so
// between 1 and 1.42 pixels: two or three pixels of the row) covers at the middle of
// that part. Positions are in 1/256 pixel, and a row's pixels are blended four at once.
void FrameCanvas::DrawHairline(PointF a, PointF b) {
    const std::uint32_t colour = m_batchColour;
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float slope = dx / dy;
    const auto across = static_cast<int>(std::sqrt(dx * dx + dy * dy) / dy * 256.0f + 0.5f);
    const int top = std::max(0, FloorToInt(a.y));
    const int bottom = std::min(Height(), CeilToInt(b.y));
    const int width = Width();
    const __m128i zero = _mm_setzero_si128();
    const __m128i wideColour = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(colour)),
                                                 zero); // the colour in both halves
    int minColumn = width, maxColumn = 0;
    for (int row = top; row < bottom; ++row) {
        const float y0 = std::max(static_cast<float>(row), a.y);
        const float y1 = std::min(static_cast<float>(row + 1), b.y);
        // The part of the row, 0 to 256.
        const auto share = static_cast<int>((y1 - y0) * 256.0f + 0.5f);
        if (share <= 0)
            continue;
        const float from = a.x + ((y0 + y1) * 0.5f - a.y) * slope - 0.5f * across / 256.0f;
        const int start = FloorToInt(from * 256.0f);
        const int column = start >> 8;
        // Covered lengths of the first pixel and the next two, in 1/256 pixel, then as
        // coverage 0 to 255 with the row's share.
        const int first = 256 - (start & 255);
        const int second = std::min(across - first, 256);
        const int third = across - first - second;
        const int k0 = std::min(255, (first * share + 128) >> 8);
        const int k1 = std::min(255, (second * share + 128) >> 8);
        const int k2 = std::min(255, (third * share + 128) >> 8);
        std::uint32_t* target = Row(row);
        if (column >= 0 && column + 4 <= width) {
            auto* at = reinterpret_cast<__m128i*>(target + column);
            const __m128i pixels = _mm_loadu_si128(at);
            const __m128i k = _mm_cvtsi32_si128(k0 | k1 << 16);
            const __m128i k01 =
                _mm_unpacklo_epi32(_mm_unpacklo_epi16(k, k), _mm_unpacklo_epi16(k, k));
            const __m128i k2x = _mm_unpacklo_epi64(_mm_set1_epi16(static_cast<short>(k2)), zero);
            const __m128i low =
                blend::OverWide(blend::ScaleWide(wideColour, k01), _mm_unpacklo_epi8(pixels, zero));
            const __m128i high =
                blend::OverWide(blend::ScaleWide(wideColour, k2x), _mm_unpackhi_epi8(pixels, zero));
            _mm_storeu_si128(at, _mm_packus_epi16(low, high));
        } else {
            const int coverage[3] = {k0, k1, k2};
            for (int i = 0; i < 3; ++i)
                if (coverage[i] > 0 && column + i >= 0 && column + i < width)
                    Blend(target[column + i], colour, static_cast<std::uint32_t>(coverage[i]));
        }
        minColumn = std::min(minColumn, std::max(column, 0));
        maxColumn = std::max(maxColumn, std::min(column + 3, width));
    }
    Mark(minColumn, top, maxColumn, bottom);
}

void FrameCanvas::FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                  Color color) {
    Flush();
    m_shapes.FillRotatedRect(cx, cy, width, height, angle, color);
}

void FrameCanvas::FillEllipse(float x, float y, float width, float height, Color color) {
    Flush();
    m_shapes.FillEllipse(x, y, width, height, color);
}

void FrameCanvas::DrawEllipse(float x, float y, float width, float height, const Pen& pen) {
    Flush();
    m_shapes.DrawEllipse(x, y, width, height, pen);
}

void FrameCanvas::FillRadialGlow(float x, float y, float width, float height, Color centre,
                                 Color edge) {
    Flush();
    m_shapes.FillRadialGlow(x, y, width, height, centre, edge);
}

void FrameCanvas::Fill(Color color) {
    Flush();
    m_shapes.Fill(color);
}

} // namespace orvane
