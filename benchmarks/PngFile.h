#pragma once

#include "effects/Sprite.h"

#include <optional>
#include <string>

namespace orvane {

// A PNG file as a premultiplied sprite, the form the program converts its resources to.
std::optional<Sprite> LoadPngFile(const std::string& path);

} // namespace orvane
