#pragma once

#include "effects/SoftwareCanvas.h"
#include "effects/TurnedPicture.h"

#include <vector>

namespace orvane {

// Copies of kept pictures piled over a buffer of pixels, blended one after the other.
class PictureCopies {
public:
    void Clear();
    // A copy of the picture whose box has its top-left corner at (x, y) of the pixels, cut
    // to the part within the clip; false when none of it lies there.
    bool Add(const TurnedPicture& picture, int x, int y, const PixelRect& clip);
    // Blends the copies in the order they were added. Copies of large pictures piled over
    // one another, blended one by one, would each fetch their part of the pixels from memory
    // again; a band of rows at a time, every copy's rows in the band are blended while the
    // band is in the cache.
    // Soft copies (hardly a pixel clear or solid) are blended without looking for either.
    void Blend(PixelBuffer pixels, bool soft = false) const;
    // The part of each copy on the pixels, and the box around them all.
    const std::vector<PixelRect>& Areas() const { return m_areas; }
    PixelRect Box() const { return m_box; }

private:
    std::vector<const TurnedPicture*> m_pictures;
    std::vector<PixelPoint> m_origins;
    std::vector<PixelRect> m_areas;
    PixelRect m_box;
};

} // namespace orvane
