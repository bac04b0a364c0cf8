#pragma once

#include <windows.h>

#include <string>

namespace orvane {

class CJpegEncoder;
class COptions;
class CTranslate;

// What the Logon Screen page uses of the program and the system: the settings store, the
// interface texts, the folders and the screen the logon image is made for, administrator
// rights, the open-file dialog and the browser. Tests hand their own to run the page on a
// folder of theirs.
class ILogonPageHost {
public:
    virtual ~ILogonPageHost() = default;
    virtual COptions& Options() = 0;
    virtual const CTranslate& Texts() = 0;
    virtual std::wstring ProgramFolder() = 0;
    virtual std::wstring WindowsFolder() = 0;
    virtual SIZE ScreenSize() = 0;
    virtual bool IsUserAdmin() = 0;
    // True when an elevated copy starts and this process is ending.
    virtual bool RestartAsAdmin() = 0;
    // Only Windows Vista and 7 show the image; elsewhere the page just previews.
    virtual bool CanChangeLogonImage() = 0;
    // The open-file dialog for a picture of the user's; false when cancelled.
    virtual bool ChoosePicture(HWND owner, const std::wstring& title, std::wstring& path) = 0;
    virtual void OpenAddress(const std::wstring& address) = 0;
    virtual CJpegEncoder& Encoder() = 0;
};

} // namespace orvane
