#pragma once

#include "framework/Dialog.h"
#include "framework/Gdiplus.h"

#include <memory>

namespace orvane {

// The general settings dialog: interface language, start at sign-in, the first-use
// restore point, pausing at high load, several effects at once and the video engine.
// Every control acts at once; the main window saves the settings when it closes.
class CDlgSettings : public CDialog {
public:
    CDlgSettings();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void ApplyTexts();
    void ChangeLanguage();
    void PaintBackdrop(HDC dc);
    bool Checked(int id) const;

    std::unique_ptr<Gdiplus::Image> m_backdrop;
};

} // namespace orvane
