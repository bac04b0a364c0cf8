#include "background/WallpaperScreensaver.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "resources/ids_screensaver.h"

#include <shlwapi.h>

namespace orvane {

CWallpaperScreensaver::CWallpaperScreensaver(COptions& options)
    : CDesktopBackground(IDD_WALLPAPER_SCREENSAVER), m_options(options), m_catalogue(options) {}

CWallpaperScreensaver::~CWallpaperScreensaver() {
    // The window goes first, so the preview ends while the members are still there.
    if (m_hWnd)
        DestroyWindow();
}

void CWallpaperScreensaver::LoadBackdrop() {
    m_picture.reset();
    m_backdrop = {0.0f, 0.0f, 0.0f, 0.0f};
    wchar_t path[260] = L"";
    DWORD type = 0, size = sizeof path - sizeof(wchar_t);
    if (SHGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"Wallpaper", &type, path,
                    &size) != ERROR_SUCCESS ||
        type != REG_SZ || !path[0])
        return;
    auto picture = std::make_unique<Gdiplus::Image>(path);
    if (picture->GetLastStatus() != Gdiplus::Ok || picture->GetWidth() == 0 ||
        picture->GetHeight() == 0)
        return;
    RECT client;
    GetClientRect(m_hWnd, &client);
    m_backdrop = ContainFit(static_cast<float>(client.right), static_cast<float>(client.bottom),
                            static_cast<float>(picture->GetWidth()),
                            static_cast<float>(picture->GetHeight()));
    m_picture = std::move(picture);
}

void CWallpaperScreensaver::StartContent() {
    LoadBackdrop();
    m_catalogue.StartPreview(m_hWnd, m_options.GetString(key::strWallaperScreensaverPath));
}

void CWallpaperScreensaver::StopContent() {
    m_catalogue.StopPreview();
    m_picture.reset();
}

bool CWallpaperScreensaver::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    {
        // Black around the backdrop, as a screen shows a picture that does not fill it.
        Gdiplus::Graphics graphics(dc);
        graphics.Clear(Gdiplus::Color(0, 0, 0));
        if (m_picture) {
            graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            graphics.DrawImage(m_picture.get(), Gdiplus::RectF(m_backdrop.x, m_backdrop.y,
                                                               m_backdrop.width, m_backdrop.height));
        }
    }
    EndPaint(m_hWnd, &paint);
    return true;
}

INT_PTR CWallpaperScreensaver::OnMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    if (message != WM_ERASEBKGND)
        return FALSE;
    handled = true; // the paint covers everything
    return TRUE;
}

} // namespace orvane
