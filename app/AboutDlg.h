#pragma once

#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/PictureDialog.h"
#include "framework/ScaledPicture.h"

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

    CScaledPicture m_backdrop;
    CScaledPicture m_mark;
    UniqueGdiObject m_nameFont;
    HWND m_creditsPage = nullptr;
};

} // namespace orvane
