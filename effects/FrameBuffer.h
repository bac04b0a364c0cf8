#pragma once

#include "effects/FrameCanvas.h"
#include "framework/Handle.h"

#include <windows.h>

#include <memory>

namespace orvane {

// The frame an effect draws into while it runs: a top-down 32-bit DIB section selected
// into a memory DC, for UpdateLayeredWindow, with the rasterizer over its pixels.
class FrameBuffer {
public:
    FrameBuffer(int width, int height);
    FrameBuffer(const FrameBuffer&) = delete;
    FrameBuffer& operator=(const FrameBuffer&) = delete;

    bool Ok() const { return m_canvas != nullptr; }
    HDC Dc() const { return m_dc.get(); }
    FrameCanvas& Canvas() { return *m_canvas; }

private:
    // Destroyed in reverse: the old bitmap back into the DC, the DC, then the DIB.
    UniqueGdiObject m_bitmap;
    UniqueDC m_dc;
    std::unique_ptr<SelectGuard> m_selection;
    std::unique_ptr<FrameCanvas> m_canvas;
};

} // namespace orvane
