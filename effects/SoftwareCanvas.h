#pragma once

#include "effects/Canvas.h"
#include "effects/Coverage.h"
#include "effects/TurnedPicture.h"

#include <cstdint>
#include <vector>

namespace orvane {

// Premultiplied 32-bit BGRA pixels owned elsewhere (for the program, a DIB section).
struct PixelBuffer {
    std::uint32_t* pixels;
    int width;
    int height;
    int stride; // pixels from one row to the next, top row first
};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
};

// The program's rasterizer: draws straight into premultiplied pixels with source-over
// compositing, and remembers which pixels each frame touched, so that the next frame
// clears only those and the window system is handed only the area that changed.
class SoftwareCanvas final : public ICanvas {
public:
    // The buffer must be all transparent (zero) to begin with.
    explicit SoftwareCanvas(PixelBuffer buffer);

    // Makes transparent again what the previous frame drew.
    void BeginFrame();
    // What differs from the previous frame: the pixels it drew and those drawn since
    // BeginFrame.
    PixelRect DirtyRect() const;

    int Width() const override { return m_buffer.width; }
    int Height() const override { return m_buffer.height; }
    void SetSmoothing(bool on) override { m_smoothing = on; }
    void DrawSprite(const Sprite& sprite, int x, int y, int angle) override;
    void DrawImage(const Sprite& sprite, float x, float y, float width, float height) override;
    void FillRect(float x, float y, float width, float height, Color color) override;
    void FillRotatedRect(float cx, float cy, float width, float height, float angle,
                         Color color) override;
    void DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) override;
    void FillEllipse(float x, float y, float width, float height, Color color) override;
    void DrawEllipse(float x, float y, float width, float height, const Pen& pen) override;
    void FillRadialGlow(float x, float y, float width, float height, Color centre,
                        Color edge) override;
    void Fill(Color color) override;

private:
    // Source texel coordinates (in the sprite's padded picture) of a pixel's centre, as an
    // affine function of the pixel's column and row.
    struct TexelMap {
        double u0, dudx, dudy;
        double v0, dvdx, dvdy;
    };

    std::uint32_t* Row(int y) {
        return m_buffer.pixels + static_cast<std::ptrdiff_t>(y) * m_buffer.stride;
    }
    // Notes an area drawn this frame, for the next frame to clear.
    void Mark(PixelRect area);
    // The sprite turned by 0 to 359 degrees, sampled afresh.
    void DrawSampled(const Sprite& sprite, int x, int y, int degrees);
    // A kept turned picture with its pivot at (pivotX, pivotY), or half a turn further.
    void DrawTurned(const TurnedPicture& picture, int pivotX, int pivotY, bool halfTurn);
    static TurnedPicture Turn(const Sprite& sprite, int degrees);
    void BlitExact(const Sprite& sprite, int x, int y);
    void BlitSampled(const Sprite& sprite, const TexelMap& map, PixelRect area, bool clampToEdge);
    // Starts a polygon shape covering at least the given bounds (clipped to the canvas).
    bool BeginShape(double left, double top, double right, double bottom);
    void AddEllipse(float cx, float cy, float rx, float ry, int sign);
    void FillShape(Color color);

    PixelBuffer m_buffer;
    bool m_smoothing = true;
    // The areas this frame drew into, one per shape or picture, and their bounding box;
    // and the box of what the previous frame drew, cleared by BeginFrame. Clearing area by
    // area rather than row spans leaves the gaps between scattered sprites alone.
    std::vector<PixelRect> m_drawnRects;
    PixelRect m_drawn, m_cleared;
    CoverageMask m_mask;
    std::vector<unsigned char> m_coverage;
};

} // namespace orvane
