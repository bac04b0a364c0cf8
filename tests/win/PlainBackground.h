#pragma once

#include "background/DesktopHost.h"
#include "framework/ActiveX.h"
#include "resources/ids_videoweb.h"

namespace orvane::test {

// A background without content, on a system the test chooses.
class PlainBackground : public CDesktopBackground {
public:
    explicit PlainBackground(bool windows8 = true, bool autoHide = false)
        : CDesktopBackground(IDD_WALLPAPER_VIDEO), m_windows8(windows8), m_autoHide(autoHide) {
        RegisterActiveXHost();
    }
    int contentStarts = 0;
    int contentStops = 0;
    int refreshes = 0;
    void Refresh() override { ++refreshes; }

protected:
    void StartContent() override { ++contentStarts; }
    void StopContent() override { ++contentStops; }
    bool Windows8OrLater() const override { return m_windows8; }
    bool TaskbarAutoHides() const override { return m_autoHide; }

private:
    bool m_windows8;
    bool m_autoHide;
};

} // namespace orvane::test
