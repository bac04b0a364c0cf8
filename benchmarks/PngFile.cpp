#include "PngFile.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace orvane {

std::optional<Sprite> LoadPngFile(const std::string& path) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return std::nullopt;
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr))
        return std::nullopt;
    std::vector<std::uint32_t> pixels(image.width * image.height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = &bytes[i * 4];
        const std::uint32_t a = p[3];
        auto premultiply = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        pixels[i] =
            (a << 24) | (premultiply(p[2]) << 16) | (premultiply(p[1]) << 8) | premultiply(p[0]);
    }
    return Sprite(static_cast<int>(image.width), static_cast<int>(image.height), pixels.data());
}

bool SavePngFile(const std::string& path, int width, int height, const std::uint32_t* pixels) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> opaque(pixels, pixels + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& p : opaque)
        p |= 0xFF000000u;
    return png_image_write_to_file(&image, path.c_str(), 0, opaque.data(), 0, nullptr) != 0;
}

} // namespace orvane
