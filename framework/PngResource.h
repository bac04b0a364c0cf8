#pragma once

#include "framework/Gdiplus.h"

#include <windows.h>

#include <memory>

namespace orvane {

// Decodes the resource of the type ("PNG" unless told) with this id from the module (by
// default the program). The picture is fully decoded and owns its pixels: it outlives the resource
// copy it was read from. Null on any failure. Needs GDI+ started.
std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(int id, HMODULE module = nullptr,
                                                 const wchar_t* type = L"PNG");

} // namespace orvane
