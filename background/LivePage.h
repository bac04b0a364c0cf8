#pragma once

#include "background/AnimationMask.h"
#include "core/ChangeNotice.h"
#include "framework/IllustratedPage.h"

namespace orvane {

class IBackgroundPageHost;

// "UserPreferencesMask" of HKCU\Control Panel\Desktop, as the pages read it.
PreferencesMask ReadPreferencesMask();

// What the video and web pages share: the program's texts and help, the refresh after a
// background switch while the window exists, and the warning with its "Enable the
// setting" button for when the system's animations are off.
class CLivePage : public CIllustratedPage {
public:
    CLivePage(IBackgroundPageHost& host, UINT templateId, UINT pictureId, int pictureTop,
              const wchar_t* helpKey);

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    const std::wstring& Text(unsigned id) const override;
    void OpenHelp() override;

    // Reads the page's state again after something changed it from outside.
    virtual void Refresh() = 0;

    // Whether the system's animations are off, which these backgrounds need.
    static bool AnimationsBlocked();
    // "Enable the setting": byte 4 of the mask becomes 0x12, the other bytes stay; then
    // the offer to sign out so that it takes effect.
    void EnableAnimations();

    IBackgroundPageHost& Host() const { return m_host; }

private:
    IBackgroundPageHost& m_host;
    const wchar_t* m_helpKey;
    CChangeNotice::Subscription m_listening; // to the page changes while the window exists
};

} // namespace orvane
