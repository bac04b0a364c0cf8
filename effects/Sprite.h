#pragma once

#include "effects/TurnedPicture.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace orvane {

// A picture ready for the rasterizer: premultiplied 32-bit BGRA (0xAARRGGBB in memory
// order B, G, R, A), kept with a one-pixel transparent border so that bilinear
// sampling near the edges needs no bounds checks. It also keeps the pictures of itself
// turned by whole degrees that the rasterizer has made, so each turn is sampled once.
class Sprite {
public:
    Sprite() = default;
    // pixels: width × height premultiplied values, row by row from the top.
    Sprite(int width, int height, const std::uint32_t* pixels);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Tells this picture from any other made in the program's run, also from one made
    // later at the same address; a moved sprite keeps it.
    std::uint64_t Serial() const { return m_serial; }
    std::uint32_t Pixel(int x, int y) const { return m_padded[(y + 1) * Pitch() + x + 1]; }

    // The padded picture: (width + 2) × (height + 2) values, the picture itself from
    // row 1, column 1.
    const std::uint32_t* Padded() const { return m_padded.data(); }
    int Pitch() const { return m_width + 2; }

    // Turns from 0° to kKeptTurns − 1°; larger ones are drawn as the turn 180° less, read
    // backwards.
    static constexpr int kKeptTurns = 180;
    // The picture turned by degrees, if it has been kept.
    const TurnedPicture* Turned(int degrees) const;
    const TurnedPicture& KeepTurned(int degrees, TurnedPicture picture) const;
    // Bytes of pixels the kept turns hold.
    std::size_t KeptBytes() const;

    // The pixels to paint the picture anew with: (0, 0) first, rows Pitch() apart; the
    // border must stay transparent. The picture becomes another one: a new serial and no
    // kept turns.
    std::uint32_t* Repaint();

    // A copy scaled by the factor (at least 1), sampled bilinearly; its size is the
    // original's times the factor, rounded.
    Sprite Scaled(float factor) const;

private:
    std::uint64_t m_serial = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_padded;
    mutable std::vector<std::unique_ptr<const TurnedPicture>> m_turned;
};

} // namespace orvane
