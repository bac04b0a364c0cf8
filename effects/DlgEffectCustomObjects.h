#pragma once

#include "framework/ComPtr.h"
#include "framework/Dialog.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class CCustomObjects;

// The window of one custom object: a layered popup at the picture's own size that takes
// mouse clicks, so the user can drag it. Animated pictures step through their frames
// with their own delays; still ones repaint once a second. A picture that is gone or
// cannot be decoded gives an empty window that shows nothing.
class CDlgEffectCustomObjects : public CDialog {
public:
    static constexpr UINT_PTR kFrameTimer = 1;

    explicit CDlgEffectCustomObjects(CCustomObjects& list);
    ~CDlgEffectCustomObjects() override;

    // Creates the window for entry `index` showing the picture at `path`.
    BOOL CreateOverlay(std::size_t index, const std::wstring& path);
    // Stores the position, frees the picture and destroys the window.
    void StopObject();
    bool Running() const { return GetSafeHwnd() != nullptr; }
    // After a removal moved the entry down the list.
    void SetIndex(std::size_t index) { m_index = index; }
    std::size_t Index() const { return m_index; }
    void SetPlacement(bool onTop);

    // For tests and diagnostics: the picture's frames, the frame on screen and how many
    // times the window has been repainted.
    unsigned FrameCount() const { return m_frameCount; }
    unsigned CurrentFrame() const { return m_currentFrame; }
    unsigned PaintCount() const { return m_paintCount; }
    bool HasPicture() const { return m_picture != nullptr; }

private:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    bool LoadPicture();
    void Repaint();
    bool RenderFrame();
    void RememberCorner();
    void StorePosition();
    void ReleasePicture();
    bool OnTop() const;

    CCustomObjects& m_list;
    std::size_t m_index = 0;
    std::wstring m_path;
    ComPtr<IStream> m_stream; // the picture's bytes: the file stays free to change
    std::unique_ptr<Gdiplus::Bitmap> m_picture;
    GUID m_dimension = {};
    unsigned m_frameCount = 0;
    std::vector<std::uint32_t> m_delays; // hundredths of a second per frame
    unsigned m_currentFrame = 0;
    int m_x = 0, m_y = 0;
    int m_width = 0, m_height = 0;
    int m_captureChanges = 0;
    unsigned m_paintCount = 0;
    // The composed frame, kept until the frame changes so a still picture costs only
    // the screen update.
    UniqueGdiObject m_bitmap;
    UniqueDC m_dc;
    std::unique_ptr<SelectGuard> m_selection;
    void* m_bits = nullptr;
    int m_renderedFrame = -1;
    bool m_frameOnScreen = false; // the rendered frame is what the window shows
};

} // namespace orvane
