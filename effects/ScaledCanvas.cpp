#include "effects/ScaledCanvas.h"

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// More pictures than any effect draws (the cursor's explosion has 48 frames and its
// flowers 30).
constexpr std::size_t kMostCopies = 256;

} // namespace

ScaledCanvas::ScaledCanvas(ICanvas& target, float scale)
    : m_target(target), m_scale(std::max(scale, 1.0f)) {}

int ScaledCanvas::Pixel(int value) const {
    return static_cast<int>(std::lround(value * m_scale));
}

Pen ScaledCanvas::Scaled(const Pen& pen) const {
    Pen scaled = pen;
    scaled.width = pen.width * m_scale;
    return scaled;
}

const Sprite& ScaledCanvas::ScaledCopy(const Sprite& sprite) {
    if (m_scale == 1.0f)
        return sprite;
    const auto found = m_copies.find(sprite.Serial());
    if (found != m_copies.end())
        return found->second;
    if (m_copies.size() >= kMostCopies)
        m_copies.clear();
    return m_copies.emplace(sprite.Serial(), sprite.Scaled(m_scale)).first->second;
}

// The scene is as large as the screen holds at 100 %: its edge pixel still shows.
int ScaledCanvas::Width() const {
    return static_cast<int>(std::ceil(m_target.Width() / m_scale));
}

int ScaledCanvas::Height() const {
    return static_cast<int>(std::ceil(m_target.Height() / m_scale));
}

void ScaledCanvas::DrawSprite(const Sprite& sprite, int x, int y, int angle) {
    const Sprite& copy = ScaledCopy(sprite);
    // Placed by its centre, so that a turn goes about the same point as in the scene.
    const float centreX = (x + sprite.Width() / 2.0f) * m_scale;
    const float centreY = (y + sprite.Height() / 2.0f) * m_scale;
    m_target.DrawSprite(copy, static_cast<int>(std::lround(centreX - copy.Width() / 2.0f)),
                        static_cast<int>(std::lround(centreY - copy.Height() / 2.0f)), angle);
}

void ScaledCanvas::DrawSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count) {
    const Sprite& copy = ScaledCopy(sprite);
    m_corners.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        m_corners[i] = {Pixel(corners[i].x), Pixel(corners[i].y)};
    m_target.DrawSprites(copy, m_corners.data(), count);
}

// At its own size a picture is drawn from its scaled copy, as DrawSprite draws it; stretched,
// from the original, sampled once rather than twice (and a picture painted anew every
// frame, as smoke's layer, is not copied every frame).
void ScaledCanvas::DrawImage(const Sprite& sprite, float x, float y, float width, float height) {
    const bool ownSize = width == sprite.Width() && height == sprite.Height();
    m_target.DrawImage(ownSize ? ScaledCopy(sprite) : sprite, x * m_scale, y * m_scale,
                       width * m_scale, height * m_scale);
}

void ScaledCanvas::FillRect(float x, float y, float width, float height, Color color) {
    m_target.FillRect(x * m_scale, y * m_scale, width * m_scale, height * m_scale, color);
}

void ScaledCanvas::FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                   Color color) {
    m_target.FillRotatedRect(cx * m_scale, cy * m_scale, width * m_scale, height * m_scale, angle,
                             color);
}

void ScaledCanvas::DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) {
    m_points.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        m_points[i] = {points[i].x * m_scale, points[i].y * m_scale};
    m_target.DrawPolyline(m_points.data(), count, Scaled(pen));
}

void ScaledCanvas::FillEllipse(float x, float y, float width, float height, Color color) {
    m_target.FillEllipse(x * m_scale, y * m_scale, width * m_scale, height * m_scale, color);
}

void ScaledCanvas::DrawEllipse(float x, float y, float width, float height, const Pen& pen) {
    m_target.DrawEllipse(x * m_scale, y * m_scale, width * m_scale, height * m_scale, Scaled(pen));
}

void ScaledCanvas::FillRadialGlow(float x, float y, float width, float height, Color centre,
                                  Color edge) {
    m_target.FillRadialGlow(x * m_scale, y * m_scale, width * m_scale, height * m_scale, centre,
                            edge);
}

} // namespace orvane
