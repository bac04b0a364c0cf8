#pragma once

#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/Page.h"
#include "personalize/LogonImage.h"
#include "resources/ids_pages.h"

#include <memory>
#include <string>

namespace orvane {

// What the Logon Screen page asks of the program and the system. The program uses it
// as it is; tests derive from it to run the page on a folder of their own.
class CLogonPageSystem {
public:
    virtual ~CLogonPageSystem() = default;
    virtual std::wstring ProgramFolder();
    virtual std::wstring WindowsFolder();
    virtual SIZE ScreenSize();
    virtual bool IsUserAdmin();
    // Only Windows Vista and 7 show the image; elsewhere the page just previews.
    virtual bool CanChangeLogonImage();
    // The open-file dialog for a picture of the user's; false when cancelled.
    virtual bool ChoosePicture(HWND owner, const std::wstring& title, std::wstring& path);
    virtual void RestartAsAdmin();
    virtual void OpenAddress(const std::wstring& address);
    virtual CJpegEncoder& Encoder() { return m_encoder; }

private:
    CJpegEncoder m_encoder;
};

// The Logon Screen tab: one of the built-in pictures or a picture file of the user's
// becomes the logon screen's background; "Default" gives it back to Windows.
class CDlgTabLogon : public CPage {
public:
    CDlgTabLogon();
    explicit CDlgTabLogon(CLogonPageSystem& system);
    ~CDlgTabLogon() override;

    // The texts, the picture list and its selection as the system has it now.
    void RefreshPage();
    void ApplyTexts() override { RefreshPage(); }
    // Shows the picture in the preview frame, covering it; one that does not load
    // leaves the frame as it was.
    void ShowPreview(const std::wstring& path);

    const LogonPaths& Paths() const { return m_paths; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void PictureChosen();
    void ChooseFile();
    void Apply(const std::wstring& picture, bool apply);
    void ShowChoose(bool show);
    void PaintBackdrop(HDC dc) const;

    std::unique_ptr<CLogonPageSystem> m_ownSystem;
    CLogonPageSystem& m_system;
    LogonPaths m_paths;
    std::unique_ptr<Gdiplus::Bitmap> m_backdrop;
    UniqueGdiObject m_preview;
    UniqueIcon m_helpIcon;
    UniqueIcon m_linkIcon;
};

} // namespace orvane
