#include "effects/PictureCopies.h"

#include "effects/Blend.h"

#include <algorithm>

namespace orvane {

void PictureCopies::Clear() {
    m_pictures.clear();
    m_origins.clear();
    m_areas.clear();
    m_box = {};
}

bool PictureCopies::Add(const TurnedPicture& picture, int x, int y, const PixelRect& clip) {
    const PixelRect area{std::max(x, clip.left), std::max(y, clip.top),
                         std::min(x + picture.width, clip.right),
                         std::min(y + picture.height, clip.bottom)};
    if (area.Empty())
        return false;
    m_pictures.push_back(&picture);
    m_origins.push_back({x, y});
    m_areas.push_back(area);
    if (m_box.Empty())
        m_box = area;
    else
        m_box = {std::min(m_box.left, area.left), std::min(m_box.top, area.top),
                 std::max(m_box.right, area.right), std::max(m_box.bottom, area.bottom)};
    return true;
}

void PictureCopies::Blend(PixelBuffer pixels, bool soft) const {
    constexpr int kBand = 16;
    for (int bandTop = m_box.top; bandTop < m_box.bottom; bandTop += kBand) {
        const int bandEnd = std::min(m_box.bottom, bandTop + kBand);
        for (std::size_t i = 0; i < m_areas.size(); ++i) {
            const TurnedPicture& picture = *m_pictures[i];
            const PixelRect& area = m_areas[i];
            const PixelPoint origin = m_origins[i];
            for (int row = std::max(area.top, bandTop); row < std::min(area.bottom, bandEnd);
                 ++row) {
                const TurnedPicture::Row& run =
                    picture.rows[static_cast<std::size_t>(row - origin.y)];
                const int from = origin.x + run.begin;
                const int begin = std::max(from, area.left);
                const int end = std::min(origin.x + run.end, area.right);
                if (begin >= end)
                    continue;
                std::uint32_t* target =
                    pixels.pixels + static_cast<std::ptrdiff_t>(row) * pixels.stride + begin;
                const std::uint32_t* source = picture.pixels.data() + run.offset + (begin - from);
                if (soft)
                    blend::OverSpanSoft(target, source, end - begin);
                else
                    blend::OverSpan(target, source, end - begin);
            }
        }
    }
}

} // namespace orvane
