#include "effects/Sprite.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace orvane {

namespace {

std::uint64_t NextSerial() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

} // namespace

Sprite::Sprite(int width, int height, const std::uint32_t* pixels)
    : m_serial(NextSerial()), m_width(width), m_height(height),
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

std::uint32_t* Sprite::Repaint() {
    m_serial = NextSerial();
    m_turned.clear();
    return m_padded.data() + Pitch() + 1;
}

std::size_t Sprite::KeptBytes() const {
    std::size_t bytes = 0;
    for (const auto& picture : m_turned)
        if (picture)
            bytes += picture->pixels.size() * sizeof(std::uint32_t);
    return bytes;
}

Sprite Sprite::Scaled(float factor) const {
    factor = std::max(factor, 1.0f);
    const int width = static_cast<int>(std::lround(m_width * factor));
    const int height = static_cast<int>(std::lround(m_height * factor));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    // Each pixel's centre mapped back into the original, which the transparent border
    // lets bilinear sampling read around without checks; premultiplied channels
    // interpolate straight.
    const float stepX = static_cast<float>(m_width) / width;
    const float stepY = static_cast<float>(m_height) / height;
    for (int y = 0; y < height; ++y) {
        const float sy = std::clamp((y + 0.5f) * stepY - 0.5f, -0.5f, m_height - 0.5f) + 1.0f;
        const int row = static_cast<int>(sy);
        const float fy = sy - row;
        for (int x = 0; x < width; ++x) {
            const float sx = std::clamp((x + 0.5f) * stepX - 0.5f, -0.5f, m_width - 0.5f) + 1.0f;
            const int column = static_cast<int>(sx);
            const float fx = sx - column;
            const std::uint32_t* top = &m_padded[static_cast<std::size_t>(row) * Pitch() + column];
            const std::uint32_t* bottom = top + Pitch();
            std::uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const auto channel = [shift](std::uint32_t value) {
                    return static_cast<float>((value >> shift) & 0xFFu);
                };
                const float upper = channel(top[0]) + (channel(top[1]) - channel(top[0])) * fx;
                const float lower =
                    channel(bottom[0]) + (channel(bottom[1]) - channel(bottom[0])) * fx;
                const auto value = static_cast<std::uint32_t>(upper + (lower - upper) * fy + 0.5f);
                result |= std::min<std::uint32_t>(value, 255u) << shift;
            }
            pixels[static_cast<std::size_t>(y) * width + x] = result;
        }
    }
    return Sprite(width, height, pixels.data());
}

} // namespace orvane
