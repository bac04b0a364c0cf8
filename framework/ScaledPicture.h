#pragma once

#include "framework/Gdiplus.h"

#include <windows.h>

#include <memory>

namespace orvane {

// A picture of the program's resources shown at a window's display scale. Its size and
// the places it is drawn at are given at 100 % and scaled when drawn. Above 100 % it is
// drawn from the twice-as-large rendering (resource type "PNG2X") where the program
// carries one, so that it stays sharp; any other size is filtered down or up from the
// nearest rendering, never stretched pixel by pixel. When the window moves to a screen
// of another scale, the next drawing loads the picture again for it.
class CScaledPicture {
public:
    // Loads PNG resource id for the window's DPI; false when it is missing or cannot be
    // decoded.
    bool Load(int id, HWND window);
    void Reset() { m_bitmap.reset(); }
    explicit operator bool() const { return m_bitmap != nullptr; }

    UINT Dpi() const { return m_dpi; }
    // The picture's size at 100 %.
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The colour of its lower-left pixel, made opaque: to fill around it.
    Gdiplus::Color LowerLeftColour() const;

    // Draws the picture at its own size, its top-left corner at (left, top) at 100 %.
    void Draw(Gdiplus::Graphics& graphics, int left, int top) const;
    // The same with the corner in the window's own pixels.
    void DrawAtPixel(Gdiplus::Graphics& graphics, POINT corner) const;
    // Draws it into a rectangle given in the window's own pixels.
    void DrawInto(Gdiplus::Graphics& graphics, const Gdiplus::Rect& target) const;

private:
    bool LoadForDpi(UINT dpi) const;
    void FollowWindow() const;

    // A cache of the rendering for the window's DPI, refreshed while drawing.
    mutable std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    mutable UINT m_dpi = 96;
    mutable int m_rendering = 1;
    int m_id = 0;
    HWND m_window = nullptr;
    mutable int m_width = 0, m_height = 0;
};

} // namespace orvane
