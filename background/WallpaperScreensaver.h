#pragma once

#include "background/DesktopHost.h"
#include "framework/FitGeometry.h"
#include "framework/Gdiplus.h"
#include "personalize/ScreensaverCatalogue.h"

#include <memory>

namespace orvane {

class COptions;

// The screen-saver background: the chosen screen saver runs in its preview mode inside
// this window behind the icons, over the current wallpaper fitted whole as a backdrop.
class CWallpaperScreensaver : public CDesktopBackground {
public:
    explicit CWallpaperScreensaver(COptions& options);
    ~CWallpaperScreensaver() override;

    // The preview process of this window; null while none runs.
    HANDLE PreviewProcess() const { return m_catalogue.PreviewProcess(); }
    // Where the backdrop is drawn, in window coordinates; empty without a picture.
    const FitRectF& Backdrop() const { return m_backdrop; }
    bool HasBackdrop() const { return m_picture != nullptr; }

protected:
    void StartContent() override;
    void StopContent() override;
    bool OnPaint() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void LoadBackdrop();

    COptions& m_options;
    // Only for the preview: this window's process, apart from the system's choice.
    CScreensaverCatalogue m_catalogue;
    std::unique_ptr<Gdiplus::Image> m_picture;
    FitRectF m_backdrop = {0.0f, 0.0f, 0.0f, 0.0f};
};

} // namespace orvane
