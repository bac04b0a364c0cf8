#pragma once

#include "TempFolder.h"

#include <cstdint>
#include <string>

namespace orvane::test {

// A picture file of one colour: an uncompressed 24-bit BMP, which every picture reader
// takes and which keeps its colours exactly.
inline bool WriteBitmapFile(const std::wstring& path, int width, int height, std::uint8_t red,
                            std::uint8_t green, std::uint8_t blue) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    std::string file(54 + pixelBytes, '\0');
    auto put = [&file](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<std::uint32_t>(file.size()), 4);
    put(10, 54, 4); // pixels follow the two headers
    put(14, 40, 4); // BITMAPINFOHEADER
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4); // bottom-up
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixelBytes, 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at =
                54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
            file[at] = static_cast<char>(blue);
            file[at + 1] = static_cast<char>(green);
            file[at + 2] = static_cast<char>(red);
        }
    return WriteBytes(path, file);
}

} // namespace orvane::test
