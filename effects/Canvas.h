#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

class Sprite;

// A colour with straight (not premultiplied) alpha, as GDI+ writes it: 0xAARRGGBB.
struct Color {
    std::uint8_t a, r, g, b;

    static constexpr Color Argb(std::uint32_t argb) {
        return {static_cast<std::uint8_t>(argb >> 24), static_cast<std::uint8_t>(argb >> 16),
                static_cast<std::uint8_t>(argb >> 8), static_cast<std::uint8_t>(argb)};
    }
    friend bool operator==(Color l, Color r) {
        return l.a == r.a && l.r == r.r && l.g == r.g && l.b == r.b;
    }
};

struct PointF {
    float x, y;
};

struct PixelPoint {
    int x, y;
};

struct RectF {
    float x, y, width, height;
};

struct LineF {
    PointF from, to;
};

enum class LineCap { Flat, Square, Round };
enum class LineJoin { Miter, Bevel, Round };

struct Pen {
    Color color;
    float width = 1.0f;
    LineCap cap = LineCap::Flat;
    LineJoin join = LineJoin::Miter;
};

// What an effect draws with. Coordinates are overlay pixels, (0, 0) the top-left corner
// of the top-left pixel; angles are degrees, clockwise on screen.
class ICanvas {
public:
    virtual ~ICanvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Anti-aliasing of shapes and lines; pictures are always sampled bilinearly.
    virtual void SetSmoothing(bool on) = 0;

    // The sprite at its own size with its top-left corner at (x, y), turned by the angle
    // about the point (x + width / 2, y + height / 2) in whole pixels.
    virtual void DrawSprite(const Sprite& sprite, int x, int y, int angle) = 0;
    // Unturned copies of the sprite at its own size with their top-left corners at the
    // points, drawn one after the other as DrawSprite draws each.
    virtual void DrawSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            DrawSprite(sprite, corners[i].x, corners[i].y, 0);
    }
    // The sprite stretched over the rectangle.
    virtual void DrawImage(const Sprite& sprite, float x, float y, float width, float height) = 0;

    virtual void FillRect(float x, float y, float width, float height, Color color) = 0;
    // Rectangles of one colour, filled one after the other as FillRect fills each.
    virtual void FillRects(const RectF* rects, std::size_t count, Color color) {
        for (std::size_t i = 0; i < count; ++i)
            FillRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height, color);
    }
    // A width × height rectangle centred on (cx, cy), turned by the angle about its centre.
    virtual void FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                 Color color) = 0;
    virtual void DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) = 0;
    void DrawLine(PointF from, PointF to, const Pen& pen) {
        const PointF points[] = {from, to};
        DrawPolyline(points, 2, pen);
    }
    // Lines with one pen, drawn one after the other as DrawLine draws each.
    virtual void DrawLines(const LineF* lines, std::size_t count, const Pen& pen) {
        for (std::size_t i = 0; i < count; ++i)
            DrawLine(lines[i].from, lines[i].to, pen);
    }
    // Ellipses inscribed in the rectangle; the outline is centred on its edge.
    virtual void FillEllipse(float x, float y, float width, float height, Color color) = 0;
    virtual void DrawEllipse(float x, float y, float width, float height, const Pen& pen) = 0;
    // The ellipse filled from the centre colour at its centre to the edge colour at its
    // edge, linearly with the distance.
    virtual void FillRadialGlow(float x, float y, float width, float height, Color centre,
                                Color edge) = 0;
    // The whole area, composited over what is there.
    virtual void Fill(Color color) = 0;
};

} // namespace orvane
