#pragma once

#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/PictureDialog.h"

#include <memory>

namespace orvane {

// The About box: product name, version, the credits page beside the program.
class CAboutDlg : public CPictureDialog {
public:
    CAboutDlg();

    // Whether the credits page is shown in a browser control (it needs the system's
    // web browser engine; without one the box shows a short text instead).
    bool ShowsCreditsPage() const { return m_creditsPage != nullptr; }

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void PaintPicture(HDC dc) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    void OnDestroy() override;

private:
    void ShowCreditsPage();

    std::unique_ptr<Gdiplus::Image> m_backdrop;
    std::unique_ptr<Gdiplus::Image> m_mark;
    UniqueGdiObject m_nameFont;
    HWND m_creditsPage = nullptr;
};

} // namespace orvane
