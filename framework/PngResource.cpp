#include "framework/PngResource.h"

#include <cstring>
#include <vector>

namespace orvane {
namespace {

// GDI+ decodes a stream lazily and keeps reading it; a copy of the pixels does not.
std::unique_ptr<Gdiplus::Bitmap> CopyPixels(Gdiplus::Bitmap& source) {
    const UINT width = source.GetWidth(), height = source.GetHeight();
    if (width == 0 || height == 0)
        return nullptr;
    auto copy = std::make_unique<Gdiplus::Bitmap>(static_cast<INT>(width), static_cast<INT>(height),
                                                  PixelFormat32bppARGB);
    if (copy->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    Gdiplus::Rect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    Gdiplus::BitmapData target = {};
    if (copy->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &target) !=
        Gdiplus::Ok)
        return nullptr;
    // The source writes straight into the copy's buffer.
    Gdiplus::BitmapData read = target;
    const bool ok =
        source.LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppARGB, &read) == Gdiplus::Ok;
    if (ok)
        source.UnlockBits(&read);
    copy->UnlockBits(&target);
    return ok ? std::move(copy) : nullptr;
}

} // namespace

std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(int id, HMODULE module, const wchar_t* type) {
    if (!module)
        module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!resource)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, resource);
    const DWORD size = SizeofResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0)
        return nullptr;

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    if (void* target = GlobalLock(block)) {
        std::memcpy(target, data, size);
        GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> picture;
    if (SUCCEEDED(CreateStreamOnHGlobal(block, FALSE, &stream))) {
        std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream));
        if (decoded && decoded->GetLastStatus() == Gdiplus::Ok)
            picture = CopyPixels(*decoded);
        decoded.reset();
        stream->Release();
    }
    GlobalFree(block);
    return picture;
}

} // namespace orvane
