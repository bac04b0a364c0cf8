#pragma once

#include "effects/Sprite.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// A PNG file as a premultiplied sprite, the form the program converts its resources to.
std::optional<Sprite> LoadPngFile(const std::string& path);

// Opaque 0xRRGGBB pixels, width × height row by row, as a PNG file; false when it cannot be
// written.
bool SavePngFile(const std::string& path, int width, int height, const std::uint32_t* pixels);

} // namespace orvane
