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
