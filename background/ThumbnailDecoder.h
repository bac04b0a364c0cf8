#pragma once

#include "background/ThumbnailLoader.h"

#include <string>

namespace orvane {

// The thumbnail cell of a picture file, made with GDI+ (which must be started): the
// GDI+ thumbnail of the fitted size, copied at its place into a black cell. Empty when
// GDI+ cannot read the picture. Safe on any thread.
ThumbnailPixels DecodeThumbnail(const std::wstring& path);

} // namespace orvane
