#pragma once

#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/PictureDialog.h"
#include "framework/ScaledPicture.h"
#include "personalize/LogonImage.h"
#include "resources/ids_pages.h"

#include <memory>
#include <string>

namespace orvane {

class ILogonPageHost;

// The Logon Screen tab: one of the built-in pictures or a picture file of the user's
// becomes the logon screen's background; "Default" gives it back to Windows.
class CDlgTabLogon : public CPictureDialog {
public:
    explicit CDlgTabLogon(ILogonPageHost& host);
    ~CDlgTabLogon() override;

    // The texts, the picture list and its selection as the system has it now.
    void RefreshPage();
    void ApplyTexts() override { RefreshPage(); }
    // Shows the picture in the preview frame, covering it; one that does not load
    // leaves the frame as it was and gives false.
    bool ShowPreview(const std::wstring& path);

    const LogonPaths& Paths() const { return m_paths; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnDestroy() override;
    void PaintPicture(HDC dc) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void PictureChosen();
    void ChooseFile();
    void Apply(const std::wstring& picture, bool apply);
    void ShowChoose(bool show);
    std::wstring Language() const;

    ILogonPageHost& m_host;
    LogonPaths m_paths;
    CScaledPicture m_backdrop;
    UniqueGdiObject m_preview;
    UniqueIcon m_helpIcon;
    UniqueIcon m_linkIcon;
};

} // namespace orvane
