#pragma once

#include "effects/SoftwareCanvas.h"

#include <cstdint>
#include <vector>

namespace orvane {

// The canvas an overlay hands its effect each frame. Shapes and turned or stretched
// pictures go to the rasterizer; the three things particle effects draw by the thousand
// are written straight into the frame's pixels instead, with the same result:
//   - rectangles without smoothing (the pixels whose centres lie inside),
//   - smoothed hairlines, one pixel wide with flat ends, steeper than 45°,
//   - unturned sprites at their own size (large soft pictures blended row by row).
// Like the rasterizer it remembers what it drew, so the next frame clears only that and
// the window system is handed only the area that changed.
class FrameCanvas final : public ICanvas {
public:
    // The buffer must be all transparent (zero) to begin with.
    explicit FrameCanvas(PixelBuffer buffer);

    // Makes transparent again what the previous frame drew.
    void BeginFrame();
    // Finishes the frame's drawing and tells what differs from the previous frame.
    PixelRect DirtyRect();

    int Width() const override { return m_buffer.width; }
    int Height() const override { return m_buffer.height; }
    void SetSmoothing(bool on) override;
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
    std::uint32_t* Row(int y) {
        return m_buffer.pixels + static_cast<std::ptrdiff_t>(y) * m_buffer.stride;
    }
    // Rectangles and hairlines wait in a batch of one colour, drawn by Flush in the order
    // of their rows before anything else is drawn and when the frame is finished.
    enum class Batch { None, Rects, Lines };
    struct PendingLine {
        PointF a, b; // a above b
    };
    void Begin(Batch batch, std::uint32_t premultiplied);
    void Flush();
    template <class Item, class RowOf, class Fetch, class Draw>
    void InRowOrder(std::vector<Item>& items, RowOf rowOf, Fetch fetch, Draw draw);
    void PrefetchLine(const PendingLine& line);
    void FillNow(const PixelRect& area);
    void DrawHairline(PointF top, PointF bottom);

    void Mark(int left, int top, int right, int bottom);
    void BlitSprite(const Sprite& sprite, int x, int y);

    PixelBuffer m_buffer;
    SoftwareCanvas m_shapes;
    bool m_smoothing = true;
    // What the quick paths drew this frame: each area, their box and their summed size;
    // and the box the previous frame drew, cleared by BeginFrame.
    std::vector<PixelRect> m_drawnRects;
    PixelRect m_drawn, m_cleared;
    long long m_drawnArea = 0;
    Batch m_batch = Batch::None;
    std::uint32_t m_batchColour = 0;
    std::vector<PixelRect> m_pendingRects;
    std::vector<PendingLine> m_pendingLines;
    std::vector<int> m_rowStarts;
    std::vector<std::uint32_t> m_order;
};

} // namespace orvane
