#include "framework/IllustratedPage.h"

#include "framework/Dpi.h"
#include "framework/IconButtons.h"

namespace orvane {

CIllustratedPage::CIllustratedPage(UINT templateId, UINT pictureId, int pictureTop,
                                   int helpButtonId, UINT helpIconId)
    : CPictureDialog(templateId), m_pictureId(pictureId), m_pictureTop(pictureTop),
      m_helpButtonId(helpButtonId), m_helpIconId(helpIconId) {}

void CIllustratedPage::AddLinkButton(int buttonId, UINT iconId, COLORREF colour) {
    m_links.push_back({buttonId, iconId, colour, UniqueIcon()});
}

BOOL CIllustratedPage::OnInitDialog() {
    for (LinkButton& link : m_links)
        link.icon.reset(LoadIconForWindow(m_hWnd, link.iconId, kButtonIconSize));
    m_picture.Load(static_cast<int>(m_pictureId), m_hWnd);
    m_helpIcon = SetButtonIcon(Item(m_helpButtonId), m_helpIconId, kButtonIconSize);
    InitPage();
    return TRUE;
}

void CIllustratedPage::OnDestroy() {
    m_picture.Reset();
}

bool CIllustratedPage::OnCommand(WORD id, WORD notifyCode, HWND) {
    if (id != m_helpButtonId)
        return false;
    if (notifyCode == BN_CLICKED)
        OpenHelp();
    return true;
}

void CIllustratedPage::PaintPicture(HDC dc) {
    Gdiplus::Graphics graphics(dc);
    m_picture.Draw(graphics, 0, m_pictureTop);
}

CPictureDialog::LabelStyle CIllustratedPage::StyleOfLabel(HWND control, UINT message) const {
    // Push buttons (WM_CTLCOLORBTN) and read-only edits keep their own background.
    if (message != WM_CTLCOLORSTATIC || IsOfClass(control, L"Edit"))
        return {};
    LabelStyle style;
    style.clear = true;
    if (IsRedLabel(GetDlgCtrlID(control)))
        style.colour = RGB(255, 0, 0);
    return style;
}

INT_PTR CIllustratedPage::OnDialogMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    if (message != WM_DRAWITEM)
        return FALSE;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    for (const LinkButton& link : m_links)
        if (item.CtlID == static_cast<UINT>(link.id)) {
            DrawLinkButton(item, link.icon.get(), link.colour);
            handled = true;
            return TRUE;
        }
    return FALSE;
}

void CIllustratedPage::SetLabel(int controlId, const std::wstring& text) {
    HWND label = Item(controlId);
    SetWindowTextW(label, text.c_str());
    RECT area;
    GetWindowRect(label, &area);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(m_hWnd, &area, TRUE);
}

void CIllustratedPage::Show(std::initializer_list<int> controlIds, bool visible) {
    for (int id : controlIds)
        ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE);
}

void CIllustratedPage::Enable(std::initializer_list<int> controlIds, bool enabled) {
    for (int id : controlIds)
        EnableWindow(Item(id), enabled);
}

void CIllustratedPage::ApplyTextPairs(std::initializer_list<WORD> pairs) {
    for (auto pair = pairs.begin(); pair != pairs.end() && pair + 1 != pairs.end(); pair += 2)
        SetDlgItemTextW(m_hWnd, pair[0], Text(pair[1]).c_str());
}

} // namespace orvane
