#pragma once

#include "framework/Dialog.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"

#include <memory>

namespace orvane {

// The About box: product name, version, the credits page beside the program.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    // Whether the credits page is shown in a browser control (it needs the system's
    // web browser engine; without one the box shows a short text instead).
    bool ShowsCreditsPage() const { return m_creditsPage != nullptr; }

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void ShowCreditsPage();

    std::unique_ptr<Gdiplus::Image> m_backdrop;
    std::unique_ptr<Gdiplus::Image> m_mark;
    UniqueGdiObject m_nameFont;
    HWND m_creditsPage = nullptr;
};

} // namespace orvane
