#pragma once

#include "framework/Gdiplus.h"

#include <memory>

namespace orvane {

// A picture resource of type "PNG" from the program's own module, decoded by GDI+;
// null when the resource is missing or cannot be decoded.
std::unique_ptr<Gdiplus::Image> LoadPngResource(unsigned int id);

} // namespace orvane
