#include "Screenshot.h"

#include "TempFolder.h"

#include <cstdlib>

namespace orvane::test {

void SaveScreenshot(HWND window, const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"ORVANE_SCREENSHOTS");
    if (!folder || !*folder)
        return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(200);
    RECT area;
    GetWindowRect(window, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB};
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::string pixels(stride * static_cast<DWORD>(height), '\0');
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), &pixels[0],
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof header};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes += pixels;
    WriteBytes(std::wstring(folder) + L"\\" + name + L".bmp", bytes);
}

} // namespace orvane::test
