#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::test {

// Writes a motion-JPEG AVI file (one video stream, an index) whose frames are each
// filled with one colour, in the order given, at framesPerSecond. The frames are
// encoded with GDI+'s JPEG encoder. False when encoding or writing failed.
bool WriteMjpegAvi(const std::wstring& path, int width, int height, int framesPerSecond,
                   const std::vector<COLORREF>& frameColours);

} // namespace orvane::test
