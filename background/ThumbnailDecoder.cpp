#include "background/ThumbnailDecoder.h"

#include "framework/Gdiplus.h"

#include <cstring>
#include <memory>

namespace orvane {
namespace {

using namespace Gdiplus::DllExports;

struct ImageDeleter {
    void operator()(Gdiplus::GpImage* image) const { GdipDisposeImage(image); }
};
using UniqueImage = std::unique_ptr<Gdiplus::GpImage, ImageDeleter>;

} // namespace

ThumbnailPixels DecodeThumbnail(const std::wstring& path) {
    Gdiplus::GpImage* raw = nullptr;
    if (GdipLoadImageFromFile(path.c_str(), &raw) != Gdiplus::Ok)
        return {};
    UniqueImage picture(raw);
    UINT width = 0, height = 0;
    GdipGetImageWidth(picture.get(), &width);
    GdipGetImageHeight(picture.get(), &height);
    const FitRect place = FitThumbnail(width, height);
    if (place.width <= 0 || place.height <= 0)
        return {};

    raw = nullptr;
    if (GdipGetImageThumbnail(picture.get(), static_cast<UINT>(place.width),
                              static_cast<UINT>(place.height), &raw, nullptr,
                              nullptr) != Gdiplus::Ok)
        return {};
    UniqueImage thumbnail(raw);
    picture.reset(); // the decoded picture is the large part: let it go at once

    // The thumbnail is a bitmap: read its pixels as 24-bit rows.
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    if (GdipGetImageType(thumbnail.get(), &type) != Gdiplus::Ok || type != Gdiplus::ImageTypeBitmap)
        return {};
    auto* bitmap = static_cast<Gdiplus::GpBitmap*>(thumbnail.get());
    const Gdiplus::Rect rect(0, 0, place.width, place.height);
    Gdiplus::BitmapData data = {};
    if (GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &data) !=
        Gdiplus::Ok)
        return {};
    ThumbnailPixels cell(kThumbnailBytes, 0);
    const auto* source = static_cast<const std::uint8_t*>(data.Scan0);
    for (int row = 0; row < place.height; ++row)
        std::memcpy(&cell[static_cast<std::size_t>(place.y + row) * kThumbnailStride +
                          static_cast<std::size_t>(place.x) * 3],
                    source + static_cast<std::ptrdiff_t>(row) * data.Stride,
                    static_cast<std::size_t>(place.width) * 3);
    GdipBitmapUnlockBits(bitmap, &data);
    return cell;
}

} // namespace orvane
