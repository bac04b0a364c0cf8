#pragma once

#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/PictureDialog.h"
#include "framework/ScaledPicture.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

// A page over a picture of its own, with a Help button that bears an icon, owner-drawn
// buttons drawn as links, and labels that let the picture show through (red ones for
// what the user must not miss). The derived page says what the texts are and what Help
// opens.
class CIllustratedPage : public CPictureDialog {
public:
    // The picture is a PNG resource, drawn pictureTop pixels (at 100 %) down the page.
    CIllustratedPage(UINT templateId, UINT pictureId, int pictureTop, int helpButtonId,
                     UINT helpIconId);

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    // Help; false for every other control.
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void PaintPicture(HDC dc) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // The rest of the page's initialisation, after the picture and Help's icon.
    virtual void InitPage() = 0;
    // An interface text, in the user's language.
    virtual const std::wstring& Text(unsigned id) const = 0;
    virtual void OpenHelp() = 0;
    virtual bool IsRedLabel(int /*controlId*/) const { return false; }

    // Before the window is made: an owner-drawn button to draw as a link, its icon
    // (loaded at 14 x 14) before its text in the colour.
    void AddLinkButton(int buttonId, UINT iconId, COLORREF colour);

    // Changes a label over the picture so that no trace of the old text stays.
    void SetLabel(int controlId, const std::wstring& text);
    void Show(std::initializer_list<int> controlIds, bool visible);
    void Enable(std::initializer_list<int> controlIds, bool enabled);
    // (control id, text id) pairs.
    void ApplyTextPairs(std::initializer_list<WORD> pairs);

private:
    struct LinkButton {
        int id;
        UINT iconId;
        COLORREF colour;
        UniqueIcon icon;
    };

    UINT m_pictureId;
    int m_pictureTop;
    int m_helpButtonId;
    UINT m_helpIconId;
    CScaledPicture m_picture;
    UniqueIcon m_helpIcon;
    std::vector<LinkButton> m_links;
};

} // namespace orvane
