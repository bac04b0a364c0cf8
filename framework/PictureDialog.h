#pragma once

#include "framework/Page.h"

#include <optional>

namespace orvane {

// A page or dialog painted over a picture of its own. It paints through PaintPicture
// for WM_PAINT and for controls that ask what lies behind them (WM_PRINTCLIENT: themed
// check boxes and radio buttons, icon buttons), and its labels let the picture show
// through as LabelStyle says. Messages it does not take go to OnDialogMessage.
class CPictureDialog : public CPage {
public:
    using CPage::CPage;

protected:
    // How a control that asks WM_CTLCOLORSTATIC (or WM_CTLCOLORBTN) is drawn.
    struct LabelStyle {
        bool clear = false;               // the picture shows through its background
        std::optional<COLORREF> colour;   // its text colour; the system's when empty
    };

    // Draws everything that lies under the controls.
    virtual void PaintPicture(HDC dc) = 0;
    // The default keeps every control's own background.
    virtual LabelStyle StyleOfLabel(HWND /*control*/, UINT /*message*/) const { return {}; }
    virtual INT_PTR OnDialogMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                    bool& /*handled*/) {
        return FALSE;
    }

    bool OnPaint() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) final;

    // The class name of a control is "Edit", "Static", "Button"...: for LabelStyle.
    static bool IsOfClass(HWND control, const wchar_t* className);
};

} // namespace orvane
