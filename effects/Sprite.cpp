#include "effects/Sprite.h"

#include <algorithm>

namespace orvane {

Sprite::Sprite(int width, int height, const std::uint32_t* pixels)
    : m_width(width), m_height(height),
      m_padded(static_cast<std::size_t>(width + 2) * (height + 2), 0) {
    for (int y = 0; y < height; ++y)
        std::copy(pixels + y * width, pixels + (y + 1) * width, &m_padded[(y + 1) * Pitch() + 1]);
}

const TurnedPicture* Sprite::Turned(int degrees) const {
    const auto index = static_cast<std::size_t>(degrees);
    return index < m_turned.size() ? m_turned[index].get() : nullptr;
}

const TurnedPicture& Sprite::KeepTurned(int degrees, TurnedPicture picture) const {
    if (m_turned.empty())
        m_turned.resize(kKeptTurns);
    auto& kept = m_turned.at(static_cast<std::size_t>(degrees));
    kept = std::make_unique<const TurnedPicture>(std::move(picture));
    return *kept;
}

std::size_t Sprite::KeptBytes() const {
    std::size_t bytes = 0;
    for (const auto& picture : m_turned)
        if (picture)
            bytes += picture->pixels.size() * sizeof(std::uint32_t);
    return bytes;
}

} // namespace orvane
