#include "effects/SpriteResource.h"

#include "framework/PngResource.h"

#include <vector>

namespace orvane {

std::optional<Sprite> LoadSprite(int id, HMODULE module) {
    std::unique_ptr<Gdiplus::Bitmap> picture = LoadPngResource(id, module);
    if (!picture)
        return std::nullopt;
    const INT width = static_cast<INT>(picture->GetWidth());
    const INT height = static_cast<INT>(picture->GetHeight());
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data = {};
    data.Width = static_cast<UINT>(width);
    data.Height = static_cast<UINT>(height);
    data.Stride = width * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = pixels.data();
    if (picture->LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                          PixelFormat32bppPARGB, &data) != Gdiplus::Ok)
        return std::nullopt;
    picture->UnlockBits(&data);
    return Sprite(width, height, pixels.data());
}

} // namespace orvane
