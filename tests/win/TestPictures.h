#pragma once

#include "framework/Gdiplus.h"

#include <functional>
#include <string>

namespace orvane::test {

// Draws a picture of the given size with GDI+ and writes it as PNG; GDI+ must be started.
bool WritePicture(const std::wstring& path, int width, int height,
                  const std::function<void(Gdiplus::Graphics&)>& draw);

// A bitmap's pixel as (r, g, b), read through a DIB copy so that any bitmap kind works.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

// Whether two colours are within tolerance of each other in every channel (JPEG and
// halftone scaling blur edges a little).
bool Near(COLORREF a, COLORREF b, int tolerance = 40);

} // namespace orvane::test
