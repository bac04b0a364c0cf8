#include "effects/FrameBuffer.h"

namespace orvane {

FrameBuffer::FrameBuffer(int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 is the top of the screen
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_dc.reset(CreateCompatibleDC(nullptr));
    if (!m_bitmap || !m_dc || !bits)
        return;
    m_selection = std::make_unique<SelectGuard>(m_dc.get(), m_bitmap.get());
    // A new DIB section is all zero: fully transparent, as the canvas expects.
    m_canvas = std::make_unique<FrameCanvas>(
        PixelBuffer{static_cast<std::uint32_t*>(bits), width, height, width});
}

} // namespace orvane
