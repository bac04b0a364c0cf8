#pragma once

#include "framework/Gdiplus.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// Draws a picture of the given size with GDI+ and writes it as PNG; GDI+ must be started.
bool WritePicture(const std::wstring& path, int width, int height,
                  const std::function<void(Gdiplus::Graphics&)>& draw);

// Writes a GIF of four colours (palette as 0xRRGGBB) with one frame per entry of
// frames, each width × height palette indexes (0 to 3), every frame shown for delay
// hundredths of a second, looping for ever; index 3 is transparent when transparent3.
bool WriteGif(const std::wstring& path, int width, int height, const unsigned (&palette)[4],
              const std::vector<std::vector<unsigned char>>& frames, unsigned delay,
              bool transparent3 = false);

// A bitmap's pixel as (r, g, b), read through a DIB copy so that any bitmap kind works.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

// Whether two colours are within tolerance of each other in every channel (JPEG and
// halftone scaling blur edges a little).
bool Near(COLORREF a, COLORREF b, int tolerance = 40);

} // namespace orvane::test
