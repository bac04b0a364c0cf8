#pragma once

#include "background/AnimationMask.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/Page.h"

#include <initializer_list>
#include <memory>
#include <string>

namespace orvane {

// "UserPreferencesMask" of HKCU\Control Panel\Desktop, as the pages read it.
PreferencesMask ReadPreferencesMask();

// What the video and web pages share: their picture, the Help button, the red status
// labels and statics that show the picture through, and the warning with its "Enable
// the setting" button for when the system's animations are off.
class CLivePage : public CPage {
public:
    CLivePage(UINT templateId, UINT pictureId, int pictureTop, const wchar_t* helpKey);

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // The rest of the page's initialisation, after the shared part.
    virtual void InitPage() = 0;
    virtual bool IsRedLabel(int controlId) const = 0;
    // Owner-drawn buttons (the links to the web site).
    virtual bool OnDrawLink(const DRAWITEMSTRUCT& /*item*/) { return false; }

    // Whether the system's animations are off, which these backgrounds need.
    static bool AnimationsBlocked();
    // "Enable the setting": byte 4 of the mask becomes 0x12, the other bytes stay; then
    // the offer to sign out so that it takes effect.
    void EnableAnimations();
    void OpenHelp() const;
    static void OpenAddress(const std::wstring& address);

    // Changes a label over the picture so that no trace of the old text stays.
    void SetLabel(int controlId, const std::wstring& text);
    void Show(std::initializer_list<int> controlIds, bool visible);
    void Enable(std::initializer_list<int> controlIds, bool enabled);
    void ApplyTextPairs(std::initializer_list<WORD> pairs);

private:
    void PaintPicture(HDC dc);

    UINT m_pictureId;
    int m_pictureTop;
    const wchar_t* m_helpKey;
    std::unique_ptr<Gdiplus::Image> m_picture;
    UniqueIcon m_helpIcon;
};

} // namespace orvane
