#pragma once

#include "effects/Canvas.h"
#include "effects/PictureCopies.h"
#include "effects/Sprite.h"

#include <array>
#include <optional>

namespace orvane {

// Copies of one soft picture piled over an area, blended into a layer at a quarter of the
// area's resolution that the canvas draws magnified four times over it: a picture as soft
// as a smoke puff has no detail finer than that, and the pile costs a sixteenth of its
// pixels. Each copy is still placed to the area's pixel, from the picture kept sampled at
// each of the 4 × 4 quarter-texel offsets.
class QuarterPile {
public:
    static constexpr int kFactor = 4;
    // The layer's pixel (i, j) stands for the area's pixels from (4i − 6, 4j − 6): the four
    // pixels that a pair of layer pixels fills start on a multiple of four.
    static constexpr int kOffset = 6;

    // The picture as stretched over a side × side square of a width × height area.
    void Begin(const Sprite& picture, int side, int width, int height);
    void Stop();
    bool Ready() const { return m_layer.has_value(); }

    // Blends copies with their top-left corners at the points, in order, into a layer
    // cleared of the last pile, and draws it over the area.
    void Draw(ICanvas& canvas, const PixelPoint* corners, std::size_t count);

    const Sprite& Layer() const { return *m_layer; }

private:
    std::array<TurnedPicture, kFactor * kFactor> m_offsets; // by quarter offset down, across
    std::optional<Sprite> m_layer;
    PictureCopies m_copies;
    PixelRect m_set; // the layer's pixels the last pile set
};

} // namespace orvane
