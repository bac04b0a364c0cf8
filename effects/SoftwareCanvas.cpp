#include "effects/SoftwareCanvas.h"

#include "effects/Blend.h"
#include "effects/PixelBounds.h"
#include "effects/Sprite.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvane {
namespace {

constexpr double kPi = 3.14159265358979323846;
// GDI+'s default limit of a miter's length in half line widths.
constexpr float kMiterLimit = 10.0f;

// A sprite touches a few cache lines in each of many frame rows; asking for the rows
// ahead keeps the memory busy while the current row is drawn.
constexpr int kPrefetchRows = 2;
// Pictures up to this size keep their turns (the largest sprites are 128 pixels; 180
// turns of one take about 5 MB); larger ones are sampled afresh on every frame.
constexpr int kLargestKeptSide = 160;

inline void Prefetch(const std::uint32_t* pixels, int count) {
    for (int i = 0; i < count; i += 16)
        _mm_prefetch(reinterpret_cast<const char*>(pixels + i), _MM_HINT_T0);
    _mm_prefetch(reinterpret_cast<const char*>(pixels + count - 1), _MM_HINT_T0);
}

// round(channel × factor / 255) for the four channels of a premultiplied pixel.
inline std::uint32_t Scale(std::uint32_t p, std::uint32_t factor) {
    std::uint32_t rb = (p & 0x00FF00FFu) * factor + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t ag = ((p >> 8) & 0x00FF00FFu) * factor + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
    return rb | ag;
}

// Premultiplied source over destination.
inline std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
    return source + Scale(destination, 255 - (source >> 24));
}

inline void Put(std::uint32_t& destination, std::uint32_t source) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 255)
        destination = source;
    else if (source)
        destination = Over(source, destination);
}

std::uint32_t Premultiply(Color c) {
    const std::uint32_t a = c.a;
    const std::uint32_t straight = (a << 24) | (static_cast<std::uint32_t>(c.r) << 16) |
                                   (static_cast<std::uint32_t>(c.g) << 8) | c.b;
    return (Scale(straight, a) & 0x00FFFFFFu) | (a << 24);
}

// Sine and cosine of whole degrees, exact on the quarter turns so that turning a sprite
// by 90° moves whole pixels.
struct SineCosine {
    double sine, cosine;
};

SineCosine TurnOf(int degrees) {
    switch (degrees) {
    case 0:
        return {0, 1};
    case 90:
        return {1, 0};
    case 180:
        return {0, -1};
    case 270:
        return {-1, 0};
    default: {
        const double radians = degrees * kPi / 180.0;
        return {std::sin(radians), std::cos(radians)};
    }
    }
}

PixelRect Union(PixelRect a, PixelRect b) {
    if (a.Empty())
        return b;
    if (b.Empty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Narrows [from, to) to the columns x where a + b·x lies in [0, limit).
void Narrow(double a, double b, double limit, double& from, double& to) {
    if (std::fabs(b) < 1e-12) {
        if (a < 0 || a >= limit)
            to = from;
        return;
    }
    double first = -a / b, last = (limit - a) / b;
    if (first > last)
        std::swap(first, last);
    from = std::max(from, first);
    to = std::min(to, last);
}

inline bool Finite(float a, float b, float c, float d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// A stretched picture narrower or lower than this fraction of a pixel per texel is not
// drawn: its steps would not fit the sampler's 16.16 fixed point.
constexpr double kLargestTexelStep = 4096.0;

// How much of the pixel [index, index + 1) lies in [from, to).
inline float Overlap(int index, float from, float to) {
    return std::max(0.0f, std::min(static_cast<float>(index + 1), to) -
                              std::max(static_cast<float>(index), from));
}

struct PointD {
    double x, y;
};

// Cuts the segment from a to b to the box, moving each end that lies outside onto the
// box's side along the segment's own slope (taken from the ends as given, so that a line
// along an axis stays exactly on it however far its ends lie); false when none of the
// segment is inside. Sets aCut or bCut when that end was moved.
bool ClipSegment(PointD& a, PointD& b, const PointD& low, const PointD& high, bool& aCut,
                 bool& bCut) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double yPerX = dx != 0 ? dy / dx : 0, xPerY = dy != 0 ? dx / dy : 0;
    auto code = [&](const PointD& p) {
        return (p.x < low.x ? 1 : 0) | (p.x > high.x ? 2 : 0) | (p.y < low.y ? 4 : 0) |
               (p.y > high.y ? 8 : 0);
    };
    aCut = bCut = false;
    // Each end crosses at most two sides.
    for (int step = 0; step < 4; ++step) {
        const int codeA = code(a), codeB = code(b);
        if (!(codeA | codeB))
            return true;
        if (codeA & codeB)
            return false;
        PointD& p = codeA ? a : b;
        (codeA ? aCut : bCut) = true;
        const int c = codeA ? codeA : codeB;
        if (c & 3) {
            const double x = c & 1 ? low.x : high.x;
            p.y += (x - p.x) * yPerX;
            p.x = x;
        } else {
            const double y = c & 4 ? low.y : high.y;
            p.x += (y - p.y) * xPerY;
            p.y = y;
        }
    }
    return !(code(a) | code(b));
}

} // namespace

SoftwareCanvas::SoftwareCanvas(PixelBuffer buffer) : m_buffer(buffer) {}

void SoftwareCanvas::BeginFrame() {
    for (const PixelRect& r : m_drawnRects)
        for (int y = r.top; y < r.bottom; ++y)
            std::memset(Row(y) + r.left, 0, sizeof(std::uint32_t) * (r.right - r.left));
    m_drawnRects.clear();
    m_cleared = m_drawn;
    m_drawn = {};
}

PixelRect SoftwareCanvas::DirtyRect() const {
    return Union(m_cleared, m_drawn);
}

void SoftwareCanvas::Mark(PixelRect area) {
    if (area.Empty())
        return;
    m_drawnRects.push_back(area);
    m_drawn = Union(m_drawn, area);
}

void SoftwareCanvas::DrawSprite(const Sprite& sprite, int x, int y, int angle) {
    // A turned picture reaches less than its width plus height from its corner; beyond
    // that it cannot touch the canvas, and the sums below stay far from overflowing.
    const long long reach = sprite.Width() + sprite.Height();
    if (x > Width() + reach || x < -2 * reach || y > Height() + reach || y < -2 * reach)
        return;
    const int degrees = ((angle % 360) + 360) % 360;
    if (std::max(sprite.Width(), sprite.Height()) > kLargestKeptSide) {
        DrawSampled(sprite, x, y, degrees);
        return;
    }
    // Turned about an integer pivot, a picture half a turn further is the same pixels
    // mirrored through the pivot, so 180 kept turns serve all 360.
    const int kept = degrees % Sprite::kKeptTurns;
    const TurnedPicture* picture = sprite.Turned(kept);
    if (!picture)
        picture = &sprite.KeepTurned(kept, Turn(sprite, kept));
    DrawTurned(*picture, x + sprite.Width() / 2, y + sprite.Height() / 2, degrees != kept);
}

TurnedPicture SoftwareCanvas::Turn(const Sprite& sprite, int degrees) {
    const int w = sprite.Width(), h = sprite.Height();
    // Room about the pivot for the picture at any turn, and for the sampling margin.
    const int reach = static_cast<int>(std::ceil(std::hypot(w - w / 2, h - h / 2))) + 2;
    const int side = 2 * reach;
    std::vector<std::uint32_t> scratch(static_cast<std::size_t>(side) * side, 0);
    SoftwareCanvas canvas({scratch.data(), side, side, side});
    canvas.DrawSampled(sprite, reach - w / 2, reach - h / 2, degrees);
    return TrimPicture(scratch.data(), side, side, side, -reach, -reach);
}

void SoftwareCanvas::DrawTurned(const TurnedPicture& picture, int pivotX, int pivotY,
                                bool halfTurn) {
    const int boxLeft = halfTurn ? pivotX - picture.left - picture.width : pivotX + picture.left;
    const int boxTop = halfTurn ? pivotY - picture.top - picture.height : pivotY + picture.top;
    const PixelRect area{std::max(boxLeft, 0), std::max(boxTop, 0),
                         std::min(boxLeft + picture.width, Width()),
                         std::min(boxTop + picture.height, Height())};
    if (area.Empty())
        return;
    for (int row = area.top; row < area.bottom; ++row) {
        if (row + kPrefetchRows < area.bottom)
            Prefetch(Row(row + kPrefetchRows) + area.left, area.right - area.left);
        const int index = halfTurn ? boxTop + picture.height - 1 - row : row - boxTop;
        const TurnedPicture::Row& run = picture.rows[static_cast<std::size_t>(index)];
        const std::uint32_t* source = picture.pixels.data() + run.offset;
        // The run's columns on the canvas; half a turn mirrors them within the box.
        const int from = halfTurn ? boxLeft + picture.width - run.end : boxLeft + run.begin;
        const int to = from + (run.end - run.begin);
        const int left = std::max(from, area.left), right = std::min(to, area.right);
        if (left >= right)
            continue;
        if (halfTurn)
            blend::OverSpanBackwards(Row(row) + left, source + (to - 1 - left), right - left);
        else
            blend::OverSpan(Row(row) + left, source + (left - from), right - left);
    }
    Mark(area);
}

void SoftwareCanvas::DrawSampled(const Sprite& sprite, int x, int y, int degrees) {
    if (degrees == 0) {
        BlitExact(sprite, x, y);
        return;
    }
    const int w = sprite.Width(), h = sprite.Height();
    const double cx = x + w / 2, cy = y + h / 2;
    const SineCosine turn = TurnOf(degrees);
    // Bounds of the turned picture.
    double minX = cx, maxX = cx, minY = cy, maxY = cy;
    for (int corner = 0; corner < 4; ++corner) {
        const double dx = (corner & 1 ? x + w : x) - cx;
        const double dy = (corner & 2 ? y + h : y) - cy;
        const double px = cx + dx * turn.cosine - dy * turn.sine;
        const double py = cy + dx * turn.sine + dy * turn.cosine;
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    const PixelRect area{
        static_cast<int>(std::floor(minX)) - 1, static_cast<int>(std::floor(minY)) - 1,
        static_cast<int>(std::ceil(maxX)) + 1, static_cast<int>(std::ceil(maxY)) + 1};
    // The pixel centre (X + ½, Y + ½) turned back by the angle about the centre, measured
    // in texels of the padded picture (whose texel centres are whole numbers).
    const double ox = 0.5 - cx, oy = 0.5 - cy;
    TexelMap map;
    map.u0 = 1 + cx - x - 0.5 + ox * turn.cosine + oy * turn.sine;
    map.dudx = turn.cosine;
    map.dudy = turn.sine;
    map.v0 = 1 + cy - y - 0.5 - ox * turn.sine + oy * turn.cosine;
    map.dvdx = -turn.sine;
    map.dvdy = turn.cosine;
    BlitSampled(sprite, map, area, false);
}

void SoftwareCanvas::DrawImage(const Sprite& sprite, float x, float y, float width, float height) {
    if (!(width > 0 && height > 0) || !Finite(x, y, width, height) || sprite.Width() == 0 ||
        sprite.Height() == 0)
        return;
    const double right = static_cast<double>(x) + width, bottom = static_cast<double>(y) + height;
    if (right <= 0 || bottom <= 0 || x >= Width() || y >= Height())
        return;
    if (width == sprite.Width() && height == sprite.Height() && x == std::floor(x) &&
        y == std::floor(y)) {
        BlitExact(sprite, static_cast<int>(x), static_cast<int>(y));
        return;
    }
    const double sx = sprite.Width() / static_cast<double>(width);
    const double sy = sprite.Height() / static_cast<double>(height);
    if (sx > kLargestTexelStep || sy > kLargestTexelStep)
        return;
    TexelMap map;
    map.u0 = 1 + (0.5 - x) * sx - 0.5;
    map.dudx = sx;
    map.dudy = 0;
    map.v0 = 1 + (0.5 - y) * sy - 0.5;
    map.dvdx = 0;
    map.dvdy = sy;
    // The picture fills its rectangle to the edges: samples beyond its outer texel centres
    // take the outer texels rather than fading into the transparent border.
    BlitSampled(sprite, map,
                {FloorWithin(x, 0, Width()), FloorWithin(y, 0, Height()),
                 CeilWithin(right, 0, Width()), CeilWithin(bottom, 0, Height())},
                true);
}

void SoftwareCanvas::BlitExact(const Sprite& sprite, int x, int y) {
    const int left = std::max(x, 0), right = std::min(x + sprite.Width(), Width());
    const int top = std::max(y, 0), bottom = std::min(y + sprite.Height(), Height());
    if (left >= right || top >= bottom)
        return;
    const int pitch = sprite.Pitch();
    for (int row = top; row < bottom; ++row) {
        if (row + kPrefetchRows < bottom)
            Prefetch(Row(row + kPrefetchRows) + left, right - left);
        const std::uint32_t* source = sprite.Padded() + (row - y + 1) * pitch + (left - x + 1);
        blend::OverSpan(Row(row) + left, source, right - left);
    }
    Mark({left, top, right, bottom});
}

void SoftwareCanvas::BlitSampled(const Sprite& sprite, const TexelMap& map, PixelRect area,
                                 bool clampToEdge) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, Width());
    area.bottom = std::min(area.bottom, Height());
    const unsigned lastU = static_cast<unsigned>(sprite.Width());
    const unsigned lastV = static_cast<unsigned>(sprite.Height());
    const int pitch = sprite.Pitch();
    const std::uint32_t* texels = sprite.Padded();
    const blend::BilinearWeights& weights = blend::Weights();
    PixelRect drawn;
    const auto stepU = static_cast<std::int32_t>(std::lround(map.dudx * 65536.0));
    const auto stepV = static_cast<std::int32_t>(std::lround(map.dvdx * 65536.0));
    for (int row = area.top; row < area.bottom; ++row) {
        if (row + kPrefetchRows < area.bottom)
            Prefetch(Row(row + kPrefetchRows) + area.left, area.right - area.left);
        const double rowU = map.u0 + map.dudy * row;
        const double rowV = map.v0 + map.dvdy * row;
        // Columns whose sample has a texel of the picture among its four neighbours.
        double from = area.left, to = area.right;
        if (!clampToEdge) {
            Narrow(rowU, map.dudx, lastU + 1.0, from, to);
            Narrow(rowV, map.dvdx, lastV + 1.0, from, to);
        }
        const int start = std::max(area.left, static_cast<int>(std::floor(from)) - 1);
        const int end = std::min(area.right, static_cast<int>(std::ceil(to)) + 1);
        if (start >= end)
            continue;
        // 16.16 fixed point from here on.
        auto u = static_cast<std::int32_t>(std::lround((rowU + map.dudx * start) * 65536.0));
        auto v = static_cast<std::int32_t>(std::lround((rowV + map.dvdx * start) * 65536.0));
        std::uint32_t* target = Row(row);
        const std::int32_t lowest = 1 << 16;
        const auto highestU = static_cast<std::int32_t>(lastU << 16);
        const auto highestV = static_cast<std::int32_t>(lastV << 16);
        for (int column = start; column < end; ++column, u += stepU, v += stepV) {
            const std::int32_t su = clampToEdge ? std::clamp(u, lowest, highestU) : u;
            const std::int32_t sv = clampToEdge ? std::clamp(v, lowest, highestV) : v;
            const std::int32_t iu = su >> 16, iv = sv >> 16;
            if (static_cast<unsigned>(iu) > lastU || static_cast<unsigned>(iv) > lastV)
                continue;
            const std::uint32_t* t = texels + iv * pitch + iu;
            if ((t[0] | t[1] | t[pitch] | t[pitch + 1]) == 0)
                continue;
            const __m128i sample =
                blend::Bilinear(t, pitch, (su >> 8) & 0xFF, (sv >> 8) & 0xFF, weights);
            std::uint32_t& destination = target[column];
            // Most samples land on transparent pixels or are opaque: nothing to blend.
            const std::uint32_t narrow = blend::Narrow(sample);
            if (destination == 0 || narrow >> 24 == 255)
                destination = narrow;
            else
                destination = blend::Narrow(blend::OverWide(sample, blend::Widen(destination)));
        }
        drawn = Union(drawn, {start, row, end, row + 1});
    }
    Mark(drawn);
}

void SoftwareCanvas::FillRect(float x, float y, float width, float height, Color color) {
    if (!(width > 0 && height > 0) || !Finite(x, y, width, height) || color.a == 0)
        return;
    const std::uint32_t p = Premultiply(color);
    float right = x + width, bottom = y + height;
    if (!m_smoothing) {
        // Aliased: the pixels whose centres lie inside.
        x = std::ceil(x - 0.5f);
        y = std::ceil(y - 0.5f);
        right = std::ceil(right - 0.5f);
        bottom = std::ceil(bottom - 0.5f);
    }
    const int left = FloorWithin(x, 0, Width()), top = FloorWithin(y, 0, Height());
    const int end = CeilWithin(right, 0, Width()), last = CeilWithin(bottom, 0, Height());
    for (int row = top; row < last; ++row) {
        const float rowCover = Overlap(row, y, bottom);
        std::uint32_t* target = Row(row);
        for (int column = left; column < end; ++column) {
            const float cover = rowCover * Overlap(column, x, right);
            if (cover >= 1.0f)
                Put(target[column], p);
            else if (cover > 0)
                Put(target[column], Scale(p, static_cast<std::uint32_t>(cover * 255.0f + 0.5f)));
        }
    }
    Mark({left, top, end, last});
}

bool SoftwareCanvas::BeginShape(double left, double top, double right, double bottom) {
    if (!(left <= right && top <= bottom) || !std::isfinite(left) || !std::isfinite(top) ||
        !std::isfinite(right) || !std::isfinite(bottom) || right < 0 || bottom < 0 ||
        left > Width() || top > Height())
        return false;
    const int l = std::max(0, FloorWithin(left, -1, Width()) - 1);
    const int t = std::max(0, FloorWithin(top, -1, Height()) - 1);
    const int r = std::min(Width(), CeilWithin(right, 0, Width()) + 1);
    const int b = std::min(Height(), CeilWithin(bottom, 0, Height()) + 1);
    if (l >= r || t >= b)
        return false;
    m_mask.Reset(l, t, r - l, b - t);
    return true;
}

void SoftwareCanvas::FillShape(Color color) {
    const std::uint32_t p = Premultiply(color);
    const int width = m_mask.Width();
    m_coverage.resize(width);
    PixelRect drawn;
    for (int y = 0; y < m_mask.Height(); ++y) {
        m_mask.TakeRow(y, m_coverage.data());
        std::uint32_t* target = Row(m_mask.Top() + y) + m_mask.Left();
        int first = width, last = -1;
        for (int x = 0; x < width; ++x) {
            std::uint32_t cover = m_coverage[x];
            if (!m_smoothing)
                cover = cover >= 128 ? 255 : 0;
            if (!cover)
                continue;
            Put(target[x], cover == 255 ? p : Scale(p, cover));
            first = std::min(first, x);
            last = x;
        }
        if (first <= last)
            drawn = Union(drawn, {m_mask.Left() + first, m_mask.Top() + y, m_mask.Left() + last + 1,
                                  m_mask.Top() + y + 1});
    }
    Mark(drawn);
}

void SoftwareCanvas::FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                     Color color) {
    if (!(width > 0 && height > 0) || !Finite(cx, cy, width, height) || !std::isfinite(angle) ||
        color.a == 0)
        return;
    const double radians = angle * kPi / 180.0;
    const float c = static_cast<float>(std::cos(radians)),
                s = static_cast<float>(std::sin(radians));
    const float hw = width / 2, hh = height / 2;
    PointF corners[4];
    const float signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    float minX = cx, maxX = cx, minY = cy, maxY = cy;
    for (int i = 0; i < 4; ++i) {
        const float dx = signs[i][0] * hw, dy = signs[i][1] * hh;
        corners[i] = {cx + dx * c - dy * s, cy + dx * s + dy * c};
        minX = std::min(minX, corners[i].x);
        maxX = std::max(maxX, corners[i].x);
        minY = std::min(minY, corners[i].y);
        maxY = std::max(maxY, corners[i].y);
    }
    if (!BeginShape(minX, minY, maxX, maxY))
        return;
    m_mask.AddPolygon(corners, 4);
    FillShape(color);
}

void SoftwareCanvas::AddEllipse(float cx, float cy, float rx, float ry, int sign) {
    // Limited while still a float: a huge ellipse must not overflow the conversion.
    const float segments = std::clamp((rx + ry) * 1.5f + 8, 12.0f, 256.0f);
    const int count = static_cast<int>(segments);
    std::vector<PointF> points(count);
    for (int i = 0; i < count; ++i) {
        const double a = 2 * kPi * i / count;
        points[i] = {cx + rx * static_cast<float>(std::cos(a)),
                     cy + ry * static_cast<float>(std::sin(a))};
    }
    m_mask.AddPolygon(points.data(), points.size(), sign);
}

void SoftwareCanvas::FillEllipse(float x, float y, float width, float height, Color color) {
    if (!(width > 0 && height > 0) || color.a == 0 ||
        !BeginShape(x, y, static_cast<double>(x) + width, static_cast<double>(y) + height))
        return;
    AddEllipse(x + width / 2, y + height / 2, width / 2, height / 2, 1);
    FillShape(color);
}

void SoftwareCanvas::DrawEllipse(float x, float y, float width, float height, const Pen& pen) {
    const float half = pen.width / 2;
    if (!(width >= 0 && height >= 0 && half > 0) || pen.color.a == 0 ||
        !BeginShape(static_cast<double>(x) - half, static_cast<double>(y) - half,
                    static_cast<double>(x) + width + half, static_cast<double>(y) + height + half))
        return;
    const float cx = x + width / 2, cy = y + height / 2, rx = width / 2, ry = height / 2;
    AddEllipse(cx, cy, rx + half, ry + half, 1);
    if (rx > half && ry > half)
        AddEllipse(cx, cy, rx - half, ry - half, -1);
    FillShape(pen.color);
}

void SoftwareCanvas::DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) {
    const float half = pen.width / 2;
    if (count == 0 || !(half > 0) || !std::isfinite(half) || pen.color.a == 0)
        return;
    std::vector<PointD> path;
    for (std::size_t i = 0; i < count; ++i) {
        // A point that is not a number leaves the line without a shape: nothing is drawn.
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y))
            return;
        if (path.empty() || points[i].x != path.back().x || points[i].y != path.back().y)
            path.push_back({points[i].x, points[i].y});
    }
    if (path.size() < 2)
        return;
    double minX = path[0].x, maxX = minX, minY = path[0].y, maxY = minY;
    for (const PointD& p : path) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const float reach = half * (pen.join == LineJoin::Miter ? kMiterLimit : 1.5f);
    if (!BeginShape(minX - reach, minY - reach, maxX + reach, maxY + reach))
        return;
    // Nothing beyond the pen's reach around the mask can touch it: segments are cut to that
    // box, which keeps the shapes' corners small enough for single precision however far
    // the points lie, and joins and caps outside it are left out.
    const double margin = reach + 2.0;
    const PointD low{m_mask.Left() - margin, m_mask.Top() - margin};
    const PointD high{m_mask.Left() + m_mask.Width() + margin,
                      m_mask.Top() + m_mask.Height() + margin};
    auto inside = [&](const PointD& p) {
        return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y;
    };
    auto direction = [&](std::size_t i) {
        const double dx = path[i + 1].x - path[i].x, dy = path[i + 1].y - path[i].y;
        const double length = std::hypot(dx, dy);
        return PointF{static_cast<float>(dx / length), static_cast<float>(dy / length)};
    };
    auto single = [](const PointD& p) {
        return PointF{static_cast<float>(p.x), static_cast<float>(p.y)};
    };

    const std::size_t segments = path.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        PointD from = path[i], to = path[i + 1];
        bool fromCut, toCut;
        if (!ClipSegment(from, to, low, high, fromCut, toCut))
            continue;
        const PointF d = direction(i);
        const PointF n{-d.y * half, d.x * half};
        PointF a = single(from), b = single(to);
        if (pen.cap == LineCap::Square && i == 0 && !fromCut)
            a = {a.x - d.x * half, a.y - d.y * half};
        if (pen.cap == LineCap::Square && i + 1 == segments && !toCut)
            b = {b.x + d.x * half, b.y + d.y * half};
        const PointF quad[] = {{a.x + n.x, a.y + n.y},
                               {b.x + n.x, b.y + n.y},
                               {b.x - n.x, b.y - n.y},
                               {a.x - n.x, a.y - n.y}};
        m_mask.AddPolygon(quad, 4);
    }
    if (pen.cap == LineCap::Round) {
        for (const PointD& end : {path.front(), path.back()})
            if (inside(end))
                AddEllipse(static_cast<float>(end.x), static_cast<float>(end.y), half, half, 1);
    }
    for (std::size_t i = 1; i < segments; ++i) {
        if (!inside(path[i]))
            continue;
        const PointF p = single(path[i]);
        if (pen.join == LineJoin::Round) {
            AddEllipse(p.x, p.y, half, half, 1);
            continue;
        }
        const PointF da = direction(i - 1), db = direction(i);
        const float cross = da.x * db.y - da.y * db.x;
        if (cross == 0)
            continue;
        // The outer side of the turn, where the two segments leave a gap.
        const float side = cross > 0 ? -half : half;
        const PointF na{-da.y * side, da.x * side}, nb{-db.y * side, db.x * side};
        const PointF outA{p.x + na.x, p.y + na.y}, outB{p.x + nb.x, p.y + nb.y};
        const float mx = na.x + nb.x, my = na.y + nb.y;
        const float mLength = std::sqrt(mx * mx + my * my);
        // The miter's tip lies half / cos(θ / 2) from the vertex along the bisector.
        const float cosHalf = mLength / (2 * half);
        if (pen.join == LineJoin::Miter && cosHalf > 1.0f / kMiterLimit) {
            const float reachTip = half / cosHalf;
            const PointF tip{p.x + mx / mLength * reachTip, p.y + my / mLength * reachTip};
            const PointF miter[] = {p, outA, tip, outB};
            m_mask.AddPolygon(miter, 4);
        } else {
            const PointF bevel[] = {p, outA, outB};
            m_mask.AddPolygon(bevel, 3);
        }
    }
    FillShape(pen.color);
}

void SoftwareCanvas::FillRadialGlow(float x, float y, float width, float height, Color centre,
                                    Color edge) {
    if (!(width > 0 && height > 0) || !Finite(x, y, width, height))
        return;
    const float rx = width / 2, ry = height / 2, cx = x + rx, cy = y + ry;
    const float radius = std::min(rx, ry);
    const int left = FloorWithin(x, 0, Width()), top = FloorWithin(y, 0, Height());
    const int right = CeilWithin(static_cast<double>(x) + width, 0, Width());
    const int bottom = CeilWithin(static_cast<double>(y) + height, 0, Height());
    PixelRect drawn;
    auto mix = [](std::uint8_t from, std::uint8_t to, float t) {
        return static_cast<std::uint8_t>(from + (to - from) * t + 0.5f);
    };
    for (int row = top; row < bottom; ++row) {
        std::uint32_t* target = Row(row);
        const float dy = (row + 0.5f - cy) / ry;
        int first = right, last = left - 1;
        for (int column = left; column < right; ++column) {
            const float dx = (column + 0.5f - cx) / rx;
            const float t = std::sqrt(dx * dx + dy * dy);
            const float cover = m_smoothing ? std::clamp((1 - t) * radius + 0.5f, 0.0f, 1.0f)
                                            : (t <= 1 ? 1.0f : 0.0f);
            if (cover <= 0)
                continue;
            const float s = std::min(t, 1.0f);
            const Color c{mix(centre.a, edge.a, s), mix(centre.r, edge.r, s),
                          mix(centre.g, edge.g, s), mix(centre.b, edge.b, s)};
            std::uint32_t p = Premultiply(c);
            if (cover < 1)
                p = Scale(p, static_cast<std::uint32_t>(cover * 255.0f + 0.5f));
            Put(target[column], p);
            first = std::min(first, column);
            last = column;
        }
        if (first <= last)
            drawn = Union(drawn, {first, row, last + 1, row + 1});
    }
    Mark(drawn);
}

void SoftwareCanvas::Fill(Color color) {
    if (color.a == 0)
        return;
    const std::uint32_t p = Premultiply(color);
    for (int row = 0; row < Height(); ++row) {
        std::uint32_t* target = Row(row);
        if (color.a == 255)
            std::fill(target, target + Width(), p);
        else
            for (int column = 0; column < Width(); ++column)
                target[column] = Over(p, target[column]);
    }
    Mark({0, 0, Width(), Height()});
}

} // namespace orvane
