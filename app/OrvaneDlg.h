#pragma once

#include "framework/Dialog.h"
#include "framework/Handle.h"

namespace orvane {

// The program's main window. It runs modally for the whole life of the program.
class COrvaneDlg : public CDialog {
public:
    COrvaneDlg();

    // Set by start-up for a sign-in start: the window never shows by itself.
    void SetStartHidden(bool hidden) { m_startHidden = hidden; }
    bool StartHidden() const { return m_startHidden; }

    void RetranslateWindow();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    bool m_startHidden = false;
    UniqueIcon m_bigIcon;
    UniqueIcon m_smallIcon;
};

} // namespace orvane
