#include "framework/ScaledPicture.h"

#include "framework/Dpi.h"
#include "framework/PngResource.h"

namespace orvane {

bool CScaledPicture::Load(int id, HWND window) {
    m_id = id;
    m_window = window;
    return LoadForDpi(WindowDpi(window));
}

bool CScaledPicture::LoadForDpi(UINT dpi) const {
    m_dpi = dpi;
    m_rendering = 1;
    m_bitmap.reset();
    if (dpi > kDefaultDpi && (m_bitmap = LoadPngResource(m_id, nullptr, L"PNG2X")))
        m_rendering = 2;
    if (!m_bitmap)
        m_bitmap = LoadPngResource(m_id);
    if (!m_bitmap)
        return false;
    m_width = static_cast<int>(m_bitmap->GetWidth()) / m_rendering;
    m_height = static_cast<int>(m_bitmap->GetHeight()) / m_rendering;
    return true;
}

void CScaledPicture::FollowWindow() const {
    if (m_bitmap && m_window && WindowDpi(m_window) != m_dpi)
        LoadForDpi(WindowDpi(m_window));
}

Gdiplus::Color CScaledPicture::LowerLeftColour() const {
    Gdiplus::Color corner;
    if (m_bitmap)
        m_bitmap->GetPixel(0, static_cast<INT>(m_bitmap->GetHeight()) - 1, &corner);
    return Gdiplus::Color(255, corner.GetR(), corner.GetG(), corner.GetB());
}

void CScaledPicture::Draw(Gdiplus::Graphics& graphics, int left, int top) const {
    FollowWindow();
    DrawAtPixel(graphics, {ScaleToDpi(left, m_dpi), ScaleToDpi(top, m_dpi)});
}

void CScaledPicture::DrawAtPixel(Gdiplus::Graphics& graphics, POINT corner) const {
    FollowWindow();
    DrawInto(graphics, Gdiplus::Rect(corner.x, corner.y, ScaleToDpi(m_width, m_dpi),
                                     ScaleToDpi(m_height, m_dpi)));
}

void CScaledPicture::DrawInto(Gdiplus::Graphics& graphics, const Gdiplus::Rect& target) const {
    FollowWindow();
    if (!m_bitmap)
        return;
    const INT width = static_cast<INT>(m_bitmap->GetWidth());
    const INT height = static_cast<INT>(m_bitmap->GetHeight());
    if (target.Width == width && target.Height == height) {
        graphics.DrawImage(m_bitmap.get(), target.X, target.Y, width, height);
        return;
    }
    // Filtered, with the edge pixels repeated outwards so that the borders stay solid.
    const Gdiplus::InterpolationMode mode = graphics.GetInterpolationMode();
    const Gdiplus::PixelOffsetMode offset = graphics.GetPixelOffsetMode();
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(m_bitmap.get(), target, 0, 0, width, height, Gdiplus::UnitPixel, &edges);
    graphics.SetInterpolationMode(mode);
    graphics.SetPixelOffsetMode(offset);
}

} // namespace orvane
