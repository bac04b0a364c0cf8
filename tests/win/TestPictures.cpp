#include "TestPictures.h"

#include <cstdlib>
#include <vector>

namespace orvane::test {

bool WritePicture(const std::wstring& path, int width, int height,
                  const std::function<void(Gdiplus::Graphics&)>& draw) {
    Gdiplus::Bitmap picture(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&picture);
        draw(graphics);
    }
    // GDI+'s own PNG encoder: {557CF406-1A04-11D3-9A73-0000F81EF32E}
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    return picture.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    BITMAP info = {};
    if (!GetObjectW(bitmap, sizeof info, &info) || x < 0 || y < 0 || x >= info.bmWidth ||
        y >= info.bmHeight)
        return CLR_INVALID;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                               &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight)
        return CLR_INVALID;
    const DWORD bgra = pixels[static_cast<std::size_t>(y) * info.bmWidth + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

} // namespace orvane::test
