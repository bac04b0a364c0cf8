#pragma once

#include "personalize/LogonImage.h"
#include "personalize/LogonPageHost.h"

namespace orvane {

class COrvaneApp;

// The Logon Screen page's host in the program: the application object's settings, texts,
// program folder and elevation; the Windows folder, the screen, the system's version,
// the open-file dialog, the browser and GDI+'s JPEG encoder.
class CProgramLogonPageHost final : public ILogonPageHost {
public:
    explicit CProgramLogonPageHost(COrvaneApp& app) : m_app(app) {}

    COptions& Options() override;
    const CTranslate& Texts() override;
    std::wstring ProgramFolder() override;
    std::wstring WindowsFolder() override;
    SIZE ScreenSize() override;
    bool IsUserAdmin() override;
    bool RestartAsAdmin() override;
    bool CanChangeLogonImage() override;
    bool ChoosePicture(HWND owner, const std::wstring& title, std::wstring& path) override;
    void OpenAddress(const std::wstring& address) override;
    CJpegEncoder& Encoder() override { return m_encoder; }

private:
    COrvaneApp& m_app;
    CJpegEncoder m_encoder;
};

} // namespace orvane
