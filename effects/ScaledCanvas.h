#pragma once

#include "effects/Canvas.h"
#include "effects/Sprite.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace orvane {

// Draws a scene laid out at 100 % display scaling onto a canvas of the screen's own
// pixels, everything scaled by the screen's factor (at least 1): a screen at 150 % shows
// the same scene as one at 100 %, each piece one and a half times as many pixels across.
// Sprites are drawn from scaled copies made once and kept while the canvas lives; each
// copy keeps its own turned pictures. Stretched pictures are stretched from the original.
class ScaledCanvas final : public ICanvas {
public:
    ScaledCanvas(ICanvas& target, float scale);

    float Scale() const { return m_scale; }
    // The scaled copy of the sprite that draws it.
    const Sprite& ScaledCopy(const Sprite& sprite);

    int Width() const override;
    int Height() const override;
    void SetSmoothing(bool on) override { m_target.SetSmoothing(on); }
    void DrawSprite(const Sprite& sprite, int x, int y, int angle) override;
    void DrawSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count) override;
    void DrawImage(const Sprite& sprite, float x, float y, float width, float height) override;
    void FillRect(float x, float y, float width, float height, Color color) override;
    void FillRotatedRect(float cx, float cy, float width, float height, float angle,
                         Color color) override;
    void DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) override;
    void FillEllipse(float x, float y, float width, float height, Color color) override;
    void DrawEllipse(float x, float y, float width, float height, const Pen& pen) override;
    void FillRadialGlow(float x, float y, float width, float height, Color centre,
                        Color edge) override;
    void Fill(Color color) override { m_target.Fill(color); }

private:
    int Pixel(int value) const;
    Pen Scaled(const Pen& pen) const;

    ICanvas& m_target;
    float m_scale;
    // Keyed by the sprite's serial; cleared when it grows beyond what any effect draws,
    // so that pictures an effect has replaced do not pile up.
    std::unordered_map<std::uint64_t, Sprite> m_copies;
    std::vector<PixelPoint> m_corners; // kept between frames, like the points
    std::vector<PointF> m_points;
};

} // namespace orvane
