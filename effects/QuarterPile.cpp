#include "effects/QuarterPile.h"

#include <cstring>
#include <vector>

namespace orvane {
namespace {

// floor(value / kFactor) for values of either sign.
int Quarter(int value) {
    return value >= 0 ? value / QuarterPile::kFactor
                      : -((-value + QuarterPile::kFactor - 1) / QuarterPile::kFactor);
}

} // namespace

void QuarterPile::Begin(const Sprite& picture, int side, int width, int height) {
    Stop();
    if (picture.Width() == 0 || picture.Height() == 0 || side < kFactor || width <= 0 ||
        height <= 0)
        return;
    // The copy at a quarter of its drawn size, shifted right and down by quarters of a
    // layer pixel; one pixel larger to hold the shift.
    const int reduced = side / kFactor, held = reduced + 1;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(held) * held);
    for (int down = 0; down < kFactor; ++down)
        for (int across = 0; across < kFactor; ++across) {
            std::fill(pixels.begin(), pixels.end(), 0u);
            SoftwareCanvas canvas({pixels.data(), held, held, held});
            canvas.DrawImage(picture, static_cast<float>(across) / kFactor,
                             static_cast<float>(down) / kFactor, static_cast<float>(reduced),
                             static_cast<float>(reduced));
            m_offsets[static_cast<std::size_t>(down * kFactor + across)] =
                TrimPicture(pixels.data(), held, held, held, 0, 0);
        }
    // Layer pixels beyond each edge of the area, so that its edge pixels are magnified
    // between two layer pixels as any others, and a transparent ring about them: a soft
    // layer, which the canvas magnifies the quickest.
    const int layerWidth = (width + kFactor - 1) / kFactor + 4;
    const int layerHeight = (height + kFactor - 1) / kFactor + 4;
    const std::vector<std::uint32_t> transparent(static_cast<std::size_t>(layerWidth) * layerHeight,
                                                 0);
    m_layer.emplace(layerWidth, layerHeight, transparent.data());
    m_set = {};
}

void QuarterPile::Stop() {
    m_layer.reset();
    m_offsets = {};
    m_copies.Clear();
    m_set = {};
}

void QuarterPile::Draw(ICanvas& canvas, const PixelPoint* corners, std::size_t count) {
    if (!m_layer)
        return;
    const int pitch = m_layer->Pitch();
    const PixelBuffer layer{m_layer->Repaint(), m_layer->Width(), m_layer->Height(), pitch};
    for (int row = m_set.top; row < m_set.bottom; ++row)
        std::memset(layer.pixels + static_cast<std::ptrdiff_t>(row) * pitch + m_set.left, 0,
                    sizeof(std::uint32_t) * (m_set.right - m_set.left));
    m_copies.Clear();
    const PixelRect inside{1, 1, layer.width - 1, layer.height - 1};
    for (std::size_t i = 0; i < count; ++i) {
        const int x = corners[i].x + kOffset, y = corners[i].y + kOffset;
        const int across = x - Quarter(x) * kFactor, down = y - Quarter(y) * kFactor;
        const TurnedPicture& copy = m_offsets[static_cast<std::size_t>(down * kFactor + across)];
        if (!copy.rows.empty())
            m_copies.Add(copy, Quarter(x) + copy.left, Quarter(y) + copy.top, inside);
    }
    m_copies.Blend(layer, true);
    m_set = m_copies.Box();
    const float corner = -static_cast<float>(kOffset);
    canvas.DrawImage(*m_layer, corner, corner, static_cast<float>(layer.width * kFactor),
                     static_cast<float>(layer.height * kFactor));
}

} // namespace orvane
