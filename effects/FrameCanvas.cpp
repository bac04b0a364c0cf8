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
    ClearNow();
    m_shapes.BeginFrame();
    std::swap(m_toClear, m_drawnRects);
    m_drawnRects.clear();
    m_toClearArea = m_drawnArea;
    m_cleared = m_drawn;
    m_clearPending = true;
    m_drawn = {};
    m_drawnArea = 0;
}

// What the last frame drew is cleared before anything of this frame is drawn, unless a
// batch of hairlines sweeps the whole frame (SweepLines), clearing it as it goes.
void FrameCanvas::ClearNow() {
    if (!m_clearPending)
        return;
    m_clearPending = false;
    const PixelRect& box = m_cleared;
    if (ClearsAsBox()) {
        for (int y = box.top; y < box.bottom; ++y)
            std::memset(Row(y) + box.left, 0, sizeof(std::uint32_t) * (box.right - box.left));
    } else {
        for (const PixelRect& r : m_toClear)
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
    m_toClear.clear();
}

// Thousands of stars are cleared one by one; overlapping pictures that together cover their
// box more than once are cleared as the box.
bool FrameCanvas::ClearsAsBox() const {
    const PixelRect& box = m_cleared;
    const long long boxArea = static_cast<long long>(box.right - box.left) * (box.bottom - box.top);
    return !box.Empty() && m_toClearArea >= boxArea;
}

void FrameCanvas::Settle() {
    Flush();
    ClearNow();
}

PixelRect FrameCanvas::DirtyRect() {
    Settle();
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
        DrawRects();
        break;
    case Batch::Lines:
        ShadeFor(m_batchColour);
        if (m_clearPending && LineSweepPays()) {
            SweepLines();
            break;
        }
        ClearNow();
        InRowOrder(
            m_pendingLines, [](const PendingLine& l) { return FloorToInt(l.a.y); },
            [this](const PendingLine& l) { PrefetchLine(l); },
            [this](const PendingLine& l) { DrawHairline(l); });
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

// Tens of thousands of stars a frame come in one colour: worked out once.
std::uint32_t FrameCanvas::PremultipliedOf(Color colour) {
    if (!(colour == m_straight)) {
        m_straight = colour;
        m_premultiplied = Premultiplied(colour);
    }
    return m_premultiplied;
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
    Settle();
    const PixelPoint corner{x, y};
    if (angle % 360 == 0)
        BlitSprites(sprite, &corner, 1);
    else
        m_shapes.DrawSprite(sprite, x, y, angle);
}

void FrameCanvas::DrawSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count) {
    Settle();
    BlitSprites(sprite, corners, count);
}

void FrameCanvas::DrawImage(const Sprite& sprite, float x, float y, float width, float height) {
    const bool near = std::fabs(x) < kFar && std::fabs(y) < kFar && width < kFar && height < kFar;
    if (near && m_magnified.Begin(sprite, x, y, width, height, Width(), Height())) {
        DrawMagnified();
        return;
    }
    Settle();
    if (width == sprite.Width() && height == sprite.Height() && x == std::floor(x) &&
        y == std::floor(y) && near) {
        const PixelPoint corner{static_cast<int>(x), static_cast<int>(y)};
        BlitSprites(sprite, &corner, 1);
    } else {
        m_shapes.DrawImage(sprite, x, y, width, height);
    }
}

// The unturned picture with each row cut to its visible run, kept with the sprite as its
// turn 0 (the rasterizer keeps the same picture there): a soft puff's transparent corners
// and margins are neither blended nor cleared.
const TurnedPicture& FrameCanvas::Unturned(const Sprite& sprite) {
    if (const TurnedPicture* kept = sprite.Turned(0))
        return *kept;
    return sprite.KeepTurned(0, TrimPicture(sprite.Padded() + sprite.Pitch() + 1, sprite.Width(),
                                            sprite.Height(), sprite.Pitch(), -(sprite.Width() / 2),
                                            -(sprite.Height() / 2)));
}

void FrameCanvas::BlitSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count) {
    const TurnedPicture& picture = Unturned(sprite);
    m_copies.Clear();
    const PixelRect frame{0, 0, Width(), Height()};
    for (std::size_t i = 0; i < count; ++i)
        m_copies.Add(picture, corners[i].x + sprite.Width() / 2 + picture.left,
                     corners[i].y + sprite.Height() / 2 + picture.top, frame);
    m_copies.Blend(m_buffer);
    for (const PixelRect& area : m_copies.Areas())
        Mark(area.left, area.top, area.right, area.bottom);
}

// Over the last frame's box, which is cleared row by row as the picture is drawn: a
// picture as large as the frame passes over it once instead of twice.
void FrameCanvas::DrawMagnified() {
    Flush();
    const bool replace = m_clearPending;
    const bool clearAlong = m_clearPending && ClearsAsBox();
    if (!clearAlong)
        ClearNow();
    const PixelRect box = m_cleared;
    PixelRect drawn;
    for (int row = m_magnified.Top(); row < m_magnified.Bottom(); ++row) {
        std::uint32_t* pixels = Row(row);
        const MagnifiedPicture::Span span = m_magnified.DrawRow(row, pixels, replace);
        if (span.left < span.right)
            drawn = Union(drawn, {span.left, row, span.right, row + 1});
        // The picture's row stored over the box; the rest of the box cleared.
        if (clearAlong && row >= box.top && row < box.bottom) {
            const int left = std::clamp(span.left, box.left, box.right);
            const int right = std::clamp(std::max(span.right, left), box.left, box.right);
            std::memset(pixels + box.left, 0, sizeof(std::uint32_t) * (left - box.left));
            std::memset(pixels + right, 0, sizeof(std::uint32_t) * (box.right - right));
        }
    }
    if (clearAlong) {
        for (int row = box.top; row < box.bottom; ++row)
            if (row < m_magnified.Top() || row >= m_magnified.Bottom())
                std::memset(Row(row) + box.left, 0, sizeof(std::uint32_t) * (box.right - box.left));
        m_toClear.clear();
        m_clearPending = false;
    }
    Mark(drawn.left, drawn.top, drawn.right, drawn.bottom);
}

void FrameCanvas::FillRect(float x, float y, float width, float height, Color color) {
    const RectF rect{x, y, width, height};
    FillRects(&rect, 1, color);
}

void FrameCanvas::FillRects(const RectF* rects, std::size_t count, Color color) {
    if (m_smoothing) {
        Settle();
        m_shapes.FillRects(rects, count, color);
        return;
    }
    if (color.a == 0 || count == 0)
        return;
    if (m_rectBands.empty())
        m_rectBands.resize(static_cast<std::size_t>((Height() + kBand - 1) / kBand));
    Begin(Batch::Rects, PremultipliedOf(color));
    // Tens of thousands of stars a frame: each rectangle's four edges are worked out at once.
    const __m128 zero = _mm_setzero_ps(), half = _mm_set1_ps(0.5f);
    const __m128 nearEdge = _mm_set1_ps(-kFar), farEdge = _mm_set1_ps(kFar);
    const __m128i limits = _mm_setr_epi32(0, 0, Width(), Height());
    const __m128i lower = _mm_setzero_si128();
    for (std::size_t i = 0; i < count; ++i) {
        const __m128 r = _mm_loadu_ps(&rects[i].x); // x, y, width, height
        const __m128 size = _mm_movehl_ps(r, r);
        if ((_mm_movemask_ps(_mm_cmpgt_ps(size, zero)) & 3) != 3) // also a NaN size
            continue;
        // The pixels whose centres lie inside: ceil(edge − ½) for x, y, x + width, y + height,
        // within ±kFar so that the conversion is defined (a NaN edge goes to −kFar).
        __m128 edges = _mm_add_ps(_mm_movelh_ps(r, r), _mm_movelh_ps(zero, size));
        edges = _mm_sub_ps(_mm_min_ps(_mm_max_ps(edges, nearEdge), farEdge), half);
        __m128i whole = _mm_cvttps_epi32(edges);
        whole = _mm_sub_epi32(whole, _mm_castps_si128(_mm_cmplt_ps(_mm_cvtepi32_ps(whole), edges)));
        // left and top at least 0, right and bottom at most the width and height.
        whole = _mm_and_si128(
            whole, _mm_or_si128(_mm_cmpgt_epi32(whole, lower), _mm_setr_epi32(0, 0, -1, -1)));
        const __m128i over =
            _mm_and_si128(_mm_cmpgt_epi32(whole, limits), _mm_setr_epi32(0, 0, -1, -1));
        whole = _mm_or_si128(_mm_andnot_si128(over, whole), _mm_and_si128(over, limits));
        PixelRect area;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&area), whole);
        if (area.Empty())
            continue;
        // Kept by the band of rows they start in: drawn band by band, they share the
        // frame's rows in the cache.
        m_rectBands[static_cast<std::size_t>(area.top / kBand)].push_back(area);
        const int rows = area.bottom - area.top;
        m_pendingRows += rows;
        m_tallestPending = std::max(m_tallestPending, rows);
    }
}

// Stars by the ten thousand: opaque ones are written here, in the caller's loop, from
// locals (a pixel written through a pointer could otherwise be the canvas's own members).
inline void FrameCanvas::FillRows(const PixelRect& r) {
    const std::uint32_t p = m_batchColour;
    if (p >> 24 != 255) {
        BlendRows(r);
        return;
    }
    const std::ptrdiff_t stride = m_buffer.stride;
    const int width = r.right - r.left;
    std::uint32_t* target = m_buffer.pixels + r.top * stride + r.left;
    int rows = r.bottom - r.top;
    if (width > 4) {
        for (; rows > 0; --rows, target += stride)
            std::fill(target, target + width, p);
        return;
    }
    for (; rows > 0; --rows, target += stride)
        switch (width) { // stars are one to four pixels wide
        case 4:
            target[3] = p;
            [[fallthrough]];
        case 3:
            target[2] = p;
            [[fallthrough]];
        case 2:
            target[1] = p;
            [[fallthrough]];
        default:
            target[0] = p;
        }
}

void FrameCanvas::BlendRows(const PixelRect& r) {
    const std::uint32_t p = m_batchColour;
    for (int row = r.top; row < r.bottom; ++row) {
        std::uint32_t* target = Row(row);
        for (int column = r.left; column < r.right; ++column)
            Blend(target[column], p, 255);
    }
}

// The pen of rain's streaks and the cursor effects' lines: smoothed, one pixel, flat ends.
bool FrameCanvas::HairlinePen(const Pen& pen) const {
    return m_smoothing && pen.width == 1.0f && pen.cap == LineCap::Flat && pen.color.a != 0;
}

// A line steeper than 45° within reach waits in the batch of hairlines; false for any other.
inline bool FrameCanvas::QueueHairline(PointF a, PointF b, std::uint32_t colour) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    if (!(std::fabs(dx) <= std::fabs(dy) && std::fabs(dy) < kFar && std::fabs(a.x) < kFar &&
          std::fabs(a.y) < kFar))
        return false;
    Begin(Batch::Lines, colour);
    if (a.y > b.y)
        std::swap(a, b);
    m_pendingLines.push_back({a, b});
    return true;
}

void FrameCanvas::DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) {
    if (count == 2 && HairlinePen(pen) &&
        QueueHairline(points[0], points[1], PremultipliedOf(pen.color)))
        return;
    Settle();
    m_shapes.DrawPolyline(points, count, pen);
}

void FrameCanvas::DrawLines(const LineF* lines, std::size_t count, const Pen& pen) {
    if (!HairlinePen(pen)) {
        ICanvas::DrawLines(lines, count, pen);
        return;
    }
    const std::uint32_t colour = PremultipliedOf(pen.color);
    for (std::size_t i = 0; i < count; ++i)
        if (!QueueHairline(lines[i].from, lines[i].to, colour))
            DrawLine(lines[i].from, lines[i].to, pen);
}

// A one-pixel line steeper than 45°, flat at both ends: row by row, the part of the row
// it spans times the part of each pixel its cross-section (1 / cos of its slant wide, so
// between 1 and 1.42 pixels: two or three pixels of the row) covers at the middle of
// that part. Positions are in 1/256 pixel, measured from the column of the line's upper
// end, so that a line between whole pixel positions covers each of its rows as every
// other line of the same run and rise does: those rows are worked out once and kept
// (rain's streaks are all of this kind, a few hundred shapes among thousands of drops).
// A row's pixels are blended four at once.
bool FrameCanvas::CoverRow(PointF a, PointF b, float slope, int across, int row,
                           HairlineRow& cover) {
    const float y0 = std::max(static_cast<float>(row), a.y);
    const float y1 = std::min(static_cast<float>(row + 1), b.y);
    // The part of the row, 0 to 256.
    const auto share = static_cast<int>((y1 - y0) * 256.0f + 0.5f);
    if (share <= 0)
        return false;
    const float from = a.x + ((y0 + y1) * 0.5f - a.y) * slope - 0.5f * across / 256.0f;
    const int start = FloorToInt(from * 256.0f);
    // Covered lengths of the first pixel and the next two, in 1/256 pixel, then as
    // coverage 0 to 255 with the row's share.
    const int first = 256 - (start & 255);
    const int second = std::min(across - first, 256);
    const int third = across - first - second;
    const auto coverage = [share](int length) {
        return static_cast<std::uint8_t>(std::min(255, (length * share + 128) >> 8));
    };
    cover.column = start >> 8;
    cover.cover = {coverage(first), coverage(second), coverage(third)};
    return true;
}

const std::vector<FrameCanvas::KeptRow>& FrameCanvas::WholeHairline(int run, int rise) {
    if (m_wholeLines.empty())
        m_wholeLines.resize(static_cast<std::size_t>(kWholeLineRise + 1) *
                            (2 * kWholeLineRise + 1));
    auto& rows = m_wholeLines[static_cast<std::size_t>(rise) * (2 * kWholeLineRise + 1) +
                              static_cast<std::size_t>(run + kWholeLineRise)];
    if (rows.empty()) {
        const PointF a{0, 0}, b{static_cast<float>(run), static_cast<float>(rise)};
        const float slope = b.x / b.y;
        const int across = Across(b.x, b.y);
        rows.resize(static_cast<std::size_t>(rise));
        for (int row = 0; row < rise; ++row) {
            HairlineRow cover;
            CoverRow(a, b, slope, across, row, cover);
            rows[row] = {static_cast<std::int8_t>(cover.column), cover.cover};
        }
    }
    return rows;
}

void FrameCanvas::ShadeFor(std::uint32_t colour) {
    if (!m_shades.empty() && m_shadeColour == colour)
        return;
    m_shades.resize(256);
    m_shadeColour = colour;
    const __m128i wide =
        _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(colour)), _mm_setzero_si128());
    for (int k = 0; k < 256; ++k) {
        const __m128i source = blend::ScaleWide(wide, _mm_set1_epi16(static_cast<short>(k)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(m_shades[k].source), source);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(m_shades[k].keep), blend::InverseAlpha(source));
    }
}

int FrameCanvas::Across(float dx, float dy) {
    return static_cast<int>(std::sqrt(dx * dx + dy * dy) / dy * 256.0f + 0.5f);
}

bool FrameCanvas::PrepareLine(const PendingLine& line, LineDraw& draw) {
    const PointF a = line.a, b = line.b;
    const float dx = b.x - a.x, dy = b.y - a.y;
    draw.top = std::max(0, FloorToInt(a.y));
    draw.bottom = std::min(Height(), CeilToInt(b.y));
    // A line without height covers no part of any row.
    if (!(dy > 0) || draw.top >= draw.bottom)
        return false;
    draw.origin = FloorToInt(a.x);
    draw.minColumn = Width();
    draw.maxColumn = 0;
    const bool whole = a.x == static_cast<float>(draw.origin) &&
                       a.y == static_cast<float>(FloorToInt(a.y)) &&
                       dx == static_cast<float>(FloorToInt(dx)) && dy <= kWholeLineRise &&
                       dy == static_cast<float>(FloorToInt(dy));
    draw.inside = false;
    if (whole) {
        draw.rows = WholeHairline(static_cast<int>(dx), static_cast<int>(dy)).data();
        draw.first = static_cast<int>(a.y);
        // A straight line's first column moves one way only: when its first and last rows
        // on the frame lie wholly on it, so do all between, and they bound what is drawn.
        const int first = draw.origin + draw.rows[draw.top - draw.first].column;
        const int last = draw.origin + draw.rows[draw.bottom - 1 - draw.first].column;
        const int left = std::min(first, last), right = std::max(first, last) + 4;
        if (left >= 0 && right <= Width()) {
            draw.inside = true;
            draw.minColumn = left;
            draw.maxColumn = right - 1;
        }
    } else {
        draw.rows = nullptr;
        draw.from = {a.x - static_cast<float>(draw.origin), a.y};
        draw.to = {b.x - static_cast<float>(draw.origin), b.y};
        draw.slope = dx / dy;
        draw.across = Across(dx, dy);
    }
    return true;
}

// The row's four pixels: the colour at their coverages, over what each leaves. The fourth
// pixel is at coverage 0 and keeps what it has.
inline void FrameCanvas::BlendHairlineRow(std::uint32_t* pixels, Coverage cover,
                                          const Shade* shades) {
    const __m128i zero = _mm_setzero_si128();
    const auto shade = [shades](int k) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(&shades[k]));
    };
    const __m128i first = shade(cover.k0), second = shade(cover.k1);
    const auto over = [&](__m128i under, __m128i a, __m128i b) {
        return _mm_add_epi16(_mm_unpacklo_epi64(a, b),
                             blend::ScaleWide(under, _mm_unpackhi_epi64(a, b)));
    };
    // A steep line's cross-section is hardly wider than a pixel: most rows cover two.
    if (cover.k2 == 0) {
        auto* at = reinterpret_cast<__m128i*>(pixels);
        const __m128i under = _mm_unpacklo_epi8(_mm_loadl_epi64(at), zero);
        const __m128i low = over(under, first, second);
        _mm_storel_epi64(at, _mm_packus_epi16(low, low));
        return;
    }
    const __m128i third = shade(cover.k2);
    const __m128i none = _mm_set_epi16(255, 255, 255, 255, 0, 0, 0, 0);
    auto* at = reinterpret_cast<__m128i*>(pixels);
    const __m128i under = _mm_loadu_si128(at);
    const __m128i low = over(_mm_unpacklo_epi8(under, zero), first, second);
    const __m128i high = over(_mm_unpackhi_epi8(under, zero), third, none);
    _mm_storeu_si128(at, _mm_packus_epi16(low, high));
}

inline void FrameCanvas::BlendKeptRows(std::uint32_t*& at, const KeptRow*& kept, int rows,
                                       std::ptrdiff_t stride, const Shade* shades) {
    // Locals: a pixel stored through a vector pointer could be either of the two.
    std::uint32_t* pixel = at;
    const KeptRow* row = kept;
    for (const KeptRow* end = row + rows; row != end; ++row, pixel += stride)
        BlendHairlineRow(pixel + row->column, row->cover, shades);
    at = pixel;
    kept = row;
}

void FrameCanvas::DrawCheckedRows(LineDraw& draw, int top, int bottom) {
    const Shade* shades = m_shades.data();
    const int width = Width();
    const std::uint32_t colour = m_batchColour;
    const std::ptrdiff_t stride = m_buffer.stride;
    // Locals rather than members, which a pixel written through a pointer could be.
    int minColumn = draw.minColumn, maxColumn = draw.maxColumn;
    const int origin = draw.origin;
    std::uint32_t* line = m_buffer.pixels + top * stride;
    HairlineRow computed;
    const KeptRow* kept = draw.rows ? draw.rows + (top - draw.first) : nullptr;
    for (int row = top; row < bottom; ++row, line += stride) {
        int column = origin;
        Coverage cover;
        if (kept) {
            column += kept->column;
            cover = kept->cover;
            ++kept;
        } else if (CoverRow(draw.from, draw.to, draw.slope, draw.across, row, computed)) {
            column += computed.column;
            cover = computed.cover;
        } else {
            continue;
        }
        minColumn = std::min(minColumn, std::max(column, 0));
        maxColumn = std::max(maxColumn, std::min(column + 3, width));
        if (column < 0 || column + 4 > width) {
            const int coverage[3] = {cover.k0, cover.k1, cover.k2};
            for (int i = 0; i < 3; ++i)
                if (coverage[i] > 0 && column + i >= 0 && column + i < width)
                    Blend(line[column + i], colour, static_cast<std::uint32_t>(coverage[i]));
            continue;
        }
        BlendHairlineRow(line + column, cover, shades);
    }
    draw.minColumn = minColumn;
    draw.maxColumn = maxColumn;
}

void FrameCanvas::DrawHairline(const PendingLine& line) {
    LineDraw draw;
    if (!PrepareLine(line, draw))
        return;
    if (draw.inside) {
        std::uint32_t* at = Row(draw.top) + draw.origin;
        const KeptRow* kept = draw.rows + (draw.top - draw.first);
        BlendKeptRows(at, kept, draw.bottom - draw.top, m_buffer.stride, m_shades.data());
    } else {
        DrawCheckedRows(draw, draw.top, draw.bottom);
    }
    Mark(draw.minColumn, draw.top, draw.maxColumn, draw.bottom);
}

// A line wholly on the frame knows what it covers before it is drawn; any other learns it
// row by row and is marked when its last row is drawn.
FrameCanvas::SweptLine FrameCanvas::StartSwept(const LineDraw& draw) {
    SweptLine line;
    line.rowsLeft = draw.bottom - draw.top;
    if (draw.inside) {
        line.at = Row(draw.top) + draw.origin;
        line.kept = draw.rows + (draw.top - draw.first);
        Mark(draw.minColumn, draw.top, draw.maxColumn, draw.bottom);
    } else {
        line.checked = static_cast<int>(m_checkedLines.size());
        m_checkedLines.push_back(draw);
    }
    return line;
}

inline bool FrameCanvas::DrawSwept(SweptLine& line, int rows, const Shade* shades) {
    const int count = std::min(rows, line.rowsLeft);
    if (line.kept) {
        BlendKeptRows(line.at, line.kept, count, m_buffer.stride, shades);
    } else {
        LineDraw& draw = m_checkedLines[static_cast<std::size_t>(line.checked)];
        const int row = draw.bottom - line.rowsLeft;
        DrawCheckedRows(draw, row, row + count);
        if (count == line.rowsLeft)
            Mark(draw.minColumn, draw.top, draw.maxColumn, draw.bottom);
    }
    line.rowsLeft -= count;
    return line.rowsLeft > 0;
}

// Drawn one by one, thousands of streaks over the whole frame fetch its cache lines twice
// from memory: once when the last frame's are cleared, again when these are drawn. When
// they touch more lines than half the frame holds, the frame is swept instead, a band of
// rows at a time: the band is cleared whole (one sequential run) and every line's rows
// in it drawn while it is in the cache. The lines go in the order of their top rows, as
// drawn one by one, so every pixel blends the same colours in the same order.
bool FrameCanvas::SweepPays(long long rows) const {
    for (const PixelRect& r : m_toClear)
        rows += r.bottom - r.top;
    const long long lines = static_cast<long long>(Height()) * ((Width() + 15) / 16);
    return 2 * rows > lines;
}

bool FrameCanvas::LineSweepPays() const {
    const int height = Height();
    long long rows = 0;
    for (const PendingLine& line : m_pendingLines)
        rows +=
            std::max(0, std::min(height, CeilToInt(line.b.y)) - std::max(0, FloorToInt(line.a.y)));
    return SweepPays(rows);
}

// Rectangles no taller than a band: each is drawn whole with the band its top row is in.
// Where the last frame's box covering most of the frame is to be cleared anyway, the sweep
// clears it in the same pass.
bool FrameCanvas::RectSweepPays() const {
    if (!m_clearPending || m_tallestPending > kBand)
        return false;
    const PixelRect& box = m_cleared;
    const long long boxArea = static_cast<long long>(box.right - box.left) * (box.bottom - box.top);
    return SweepPays(m_pendingRows) ||
           (ClearsAsBox() && 2 * boxArea >= static_cast<long long>(Width()) * Height());
}

void FrameCanvas::ClearRows(int top, int bottom) {
    const int width = Width();
    if (m_buffer.stride == width)
        std::memset(Row(top), 0,
                    sizeof(std::uint32_t) * static_cast<std::size_t>(width) * (bottom - top));
    else
        for (int row = top; row < bottom; ++row)
            std::memset(Row(row), 0, sizeof(std::uint32_t) * width);
}

void FrameCanvas::SweepLines() {
    const int height = Height();
    std::vector<PendingLine>& lines = m_pendingLines;
    const auto topOf = [height](const PendingLine& l) {
        return std::clamp(FloorToInt(l.a.y), 0, height - 1);
    };
    m_rowStarts.assign(static_cast<std::size_t>(height) + 1, 0);
    for (const PendingLine& line : lines)
        ++m_rowStarts[static_cast<std::size_t>(topOf(line)) + 1];
    for (int row = 0; row < height; ++row)
        m_rowStarts[row + 1] += m_rowStarts[row];
    // Copied in that order, the lines are then read one after the other.
    std::vector<PendingLine>& sorted = m_sortedLines;
    sorted.resize(lines.size());
    for (const PendingLine& line : lines)
        sorted[static_cast<std::size_t>(m_rowStarts[topOf(line)]++)] = line;

    std::vector<SweptLine>& active = m_sweptLines;
    active.clear();
    m_checkedLines.clear();
    const Shade* shades = m_shades.data();
    std::size_t next = 0;
    for (int bandTop = 0; bandTop < height; bandTop += kBand) {
        const int bandEnd = std::min(height, bandTop + kBand);
        ClearRows(bandTop, bandEnd);
        // The lines begun above first, then those beginning in the band, in the order of
        // their top rows either way.
        std::size_t kept = 0;
        for (SweptLine& line : active)
            if (DrawSwept(line, bandEnd - bandTop, shades))
                active[kept++] = line;
        active.resize(kept);
        for (; next < sorted.size() && topOf(sorted[next]) < bandEnd; ++next) {
            LineDraw draw;
            if (!PrepareLine(sorted[next], draw))
                continue;
            SweptLine line = StartSwept(draw);
            if (DrawSwept(line, bandEnd - draw.top, shades))
                active.push_back(line);
        }
    }
    lines.clear();
    m_toClear.clear();
    m_clearPending = false;
}

// Stars by the ten thousand, as streaks: the frame is swept a band at a time, each band
// cleared just before the rectangles reaching into it from the band above are drawn, so
// that both find it in the cache. Of one colour, rectangles in any order give the same
// pixels.
void FrameCanvas::DrawRects() {
    const bool sweep = RectSweepPays();
    const int height = Height();
    if (sweep)
        ClearRows(0, std::min(height, kBand));
    else
        ClearNow();
    PixelRect box;
    for (std::size_t band = 0; band < m_rectBands.size(); ++band) {
        const int next = static_cast<int>(band + 1) * kBand;
        if (sweep && next < height)
            ClearRows(next, std::min(height, next + kBand));
        for (const PixelRect& r : m_rectBands[band]) {
            FillRows(r);
            if (sweep)
                box = Union(box, r);
            else
                Mark(r.left, r.top, r.right, r.bottom);
        }
        m_rectBands[band].clear();
    }
    if (sweep) {
        // Outside the rectangles the frame is transparent: the next frame may clear their box.
        Mark(box.left, box.top, box.right, box.bottom);
        m_toClear.clear();
        m_clearPending = false;
    }
    m_pendingRows = 0;
    m_tallestPending = 0;
}

void FrameCanvas::FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                  Color color) {
    Settle();
    m_shapes.FillRotatedRect(cx, cy, width, height, angle, color);
}

void FrameCanvas::FillEllipse(float x, float y, float width, float height, Color color) {
    Settle();
    m_shapes.FillEllipse(x, y, width, height, color);
}

void FrameCanvas::DrawEllipse(float x, float y, float width, float height, const Pen& pen) {
    Settle();
    m_shapes.DrawEllipse(x, y, width, height, pen);
}

void FrameCanvas::FillRadialGlow(float x, float y, float width, float height, Color centre,
                                 Color edge) {
    Settle();
    m_shapes.FillRadialGlow(x, y, width, height, centre, edge);
}

void FrameCanvas::Fill(Color color) {
    Settle();
    m_shapes.Fill(color);
}

} // namespace orvane
