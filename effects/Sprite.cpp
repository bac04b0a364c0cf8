#include "effects/Sprite.h"

#include <algorithm>

namespace orvane {

Sprite::Sprite(int width, int height, const std::uint32_t* pixels)
    : m_width(width), m_height(height),
      m_padded(static_cast<std::size_t>(width + 2) * (height + 2), 0) {
    for (int y = 0; y < height; ++y)
        std::copy(pixels + y * width, pixels + (y + 1) * width, &m_padded[(y + 1) * Pitch() + 1]);
}

} // namespace orvane
