#pragma once

#include "effects/MagnifiedPicture.h"
#include "effects/PictureCopies.h"
#include "effects/SoftwareCanvas.h"

#include <cstdint>
#include <vector>

namespace orvane {

// The canvas an overlay hands its effect each frame. Shapes and turned or stretched
// pictures go to the rasterizer; the three things particle effects draw by the thousand
// are written straight into the frame's pixels instead, with the same result:
//   - rectangles without smoothing (the pixels whose centres lie inside),
//   - smoothed hairlines, one pixel wide with flat ends, steeper than 45°,
//   - unturned sprites at their own size (large soft pictures blended row by row),
//   - pictures magnified at least twice (a soft layer made at a fraction of the frame's
//     resolution), a row at a time.
// Like the rasterizer it remembers what it drew, so the next frame clears only that and
// the window system is handed only the area that changed.
class FrameCanvas final : public ICanvas {
public:
    // The buffer must be all transparent (zero) to begin with.
    explicit FrameCanvas(PixelBuffer buffer);

    // Starts a frame: what the previous frame drew is made transparent again before this
    // frame draws anything, and at the latest by DirtyRect.
    void BeginFrame();
    // Finishes the frame's drawing and tells what differs from the previous frame.
    PixelRect DirtyRect();

    int Width() const override { return m_buffer.width; }
    int Height() const override { return m_buffer.height; }
    void SetSmoothing(bool on) override;
    void DrawSprite(const Sprite& sprite, int x, int y, int angle) override;
    void DrawSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count) override;
    void DrawImage(const Sprite& sprite, float x, float y, float width, float height) override;
    void FillRect(float x, float y, float width, float height, Color color) override;
    void FillRects(const RectF* rects, std::size_t count, Color color) override;
    void FillRotatedRect(float cx, float cy, float width, float height, float angle,
                         Color color) override;
    void DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) override;
    void DrawLines(const LineF* lines, std::size_t count, const Pen& pen) override;
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
    bool HairlinePen(const Pen& pen) const;
    bool QueueHairline(PointF a, PointF b, std::uint32_t colour);
    std::uint32_t PremultipliedOf(Color colour);
    void Flush();
    template <class Item, class RowOf, class Fetch, class Draw>
    void InRowOrder(std::vector<Item>& items, RowOf rowOf, Fetch fetch, Draw draw);
    void PrefetchLine(const PendingLine& line);
    // One row of a hairline: the first of the pixels it covers, as a column from the line's
    // origin, and the coverages 0 to 255 of that pixel and the next two.
    struct Coverage {
        std::uint8_t k0 = 0, k1 = 0, k2 = 0;
    };
    struct HairlineRow {
        int column = 0;
        Coverage cover;
    };
    // The same, kept for a line between whole positions (no more than 64 columns across):
    // four bytes, so that the rows of every shape rain draws stay in the nearest cache.
    struct KeptRow {
        std::int8_t column = 0;
        Coverage cover;
    };
    // For the batch's colour, what a pixel at each coverage blends: the colour at that
    // coverage and what it leaves of the pixel under it, widened to 16 bits a channel.
    struct Shade {
        // Not __m128i: the 32-bit program's heap and stack keep 8 bytes of alignment.
        std::int16_t source[4];
        std::int16_t keep[4];
    };
    void ShadeFor(std::uint32_t colour);
    // A hairline being drawn: its rows on the frame, where each row's cover comes from
    // (the kept rows of a line between whole positions, or worked out), the columns drawn.
    struct LineDraw {
        int top = 0, bottom = 0;
        int origin = 0; // the column of the upper end
        const KeptRow* rows = nullptr;
        int first = 0; // the row of rows[0]
        PointF from, to;
        float slope = 0;
        int across = 0;
        int minColumn = 0, maxColumn = 0;
        bool inside = false; // kept rows, all wholly on the frame: drawn without checks
    };
    bool PrepareLine(const PendingLine& line, LineDraw& draw);
    static void BlendHairlineRow(std::uint32_t* pixels, Coverage cover, const Shade* shades);
    // Blends the next rows of a line wholly on the frame, moving on its pixel and kept row.
    static void BlendKeptRows(std::uint32_t*& at, const KeptRow*& kept, int rows,
                              std::ptrdiff_t stride, const Shade* shades);
    void DrawCheckedRows(LineDraw& draw, int top, int bottom);
    void DrawHairline(const PendingLine& line);
    // A line the sweep has begun. One wholly on the frame needs no more than its next row's
    // pixel and kept row; any other is drawn with checks from its LineDraw.
    struct SweptLine {
        std::uint32_t* at = nullptr;   // the pixel at the line's origin column in its next row
        const KeptRow* kept = nullptr; // its next kept row; null for a line drawn with checks
        int rowsLeft = 0;
        int checked = 0; // the index of its LineDraw in m_checkedLines
    };
    SweptLine StartSwept(const LineDraw& draw);
    // Draws up to rows more of the line; false once it has none left.
    bool DrawSwept(SweptLine& line, int rows, const Shade* shades);
    // Thousands of items over the whole frame are drawn sweeping it in bands of rows.
    static constexpr int kBand = 16;
    bool SweepPays(long long rows) const;
    bool LineSweepPays() const;
    bool RectSweepPays() const;
    void ClearRows(int top, int bottom);
    void SweepLines();
    void DrawRects();
    void FillRows(const PixelRect& area);
    void BlendRows(const PixelRect& area);
    void ClearNow();
    bool ClearsAsBox() const;
    void DrawMagnified();
    // Draws what waits and clears what the last frame left, before drawing anything else.
    void Settle();
    static bool CoverRow(PointF a, PointF b, float slope, int across, int row, HairlineRow& cover);
    static int Across(float dx, float dy);
    // The rows of a line from a whole pixel position run columns across and rise rows down.
    const std::vector<KeptRow>& WholeHairline(int run, int rise);
    static constexpr int kWholeLineRise = 64;

    void Mark(int left, int top, int right, int bottom);
    static const TurnedPicture& Unturned(const Sprite& sprite);
    void BlitSprites(const Sprite& sprite, const PixelPoint* corners, std::size_t count);

    PixelBuffer m_buffer;
    SoftwareCanvas m_shapes;
    bool m_smoothing = true;
    // What the quick paths drew this frame: each area, their box and their summed size;
    // and the box the previous frame drew, cleared at the start of this one.
    std::vector<PixelRect> m_drawnRects;
    PixelRect m_drawn, m_cleared;
    long long m_drawnArea = 0;
    Batch m_batch = Batch::None;
    Color m_straight{0, 0, 0, 0}; // the last colour premultiplied, and the result
    std::uint32_t m_premultiplied = 0;
    std::uint32_t m_batchColour = 0;
    std::vector<std::vector<PixelRect>> m_rectBands; // by the band of their top row
    long long m_pendingRows = 0;
    int m_tallestPending = 0;
    std::vector<PendingLine> m_pendingLines, m_sortedLines;
    std::vector<int> m_rowStarts;
    std::vector<std::uint32_t> m_order;
    std::vector<std::vector<KeptRow>> m_wholeLines; // by rise, then run
    std::vector<Shade> m_shades;                    // by coverage
    std::uint32_t m_shadeColour = 0;                // the colour they are for
    std::vector<SweptLine> m_sweptLines;
    std::vector<LineDraw> m_checkedLines;
    PictureCopies m_copies;
    MagnifiedPicture m_magnified;
    // What the last frame drew, cleared before this frame draws (or swept).
    std::vector<PixelRect> m_toClear;
    long long m_toClearArea = 0;
    bool m_clearPending = false;
};

} // namespace orvane
