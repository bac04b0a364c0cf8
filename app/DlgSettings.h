#pragma once

#include "framework/Gdiplus.h"
#include "framework/PictureDialog.h"
#include "framework/ScaledPicture.h"

#include <memory>

namespace orvane {

// The general settings dialog: interface language, start at sign-in, the first-use
// restore point, pausing at high load, several effects at once and the video engine.
// Every control acts at once; the main window saves the settings when it closes.
class CDlgSettings : public CPictureDialog {
public:
    CDlgSettings();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void PaintPicture(HDC dc) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    void OnDestroy() override;

private:
    void ApplyTexts() override;
    void ChangeLanguage();
    bool Checked(int id) const;

    CScaledPicture m_backdrop;
};

} // namespace orvane
