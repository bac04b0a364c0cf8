#pragma once

#include "effects/Sprite.h"

#include <windows.h>

#include <optional>

namespace orvane {

// A PNG resource converted once into the rasterizer's premultiplied form; nothing when
// it does not load. Needs GDI+ started.
std::optional<Sprite> LoadSprite(int id, HMODULE module = nullptr);

} // namespace orvane
