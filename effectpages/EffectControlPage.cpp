#include "effectpages/EffectControlPage.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "core/Translate.h"
#include "effects/EffectGroup.h"
#include "framework/MessageBox.h"
#include "framework/Dpi.h"
#include "framework/IconButtons.h"
#include "resources/ids_effectpages.h"

namespace orvane {
namespace {

constexpr COLORREF kTitleColour = RGB(0, 210, 0);
constexpr unsigned kTextHelp = 14;

} // namespace

CEffectControlPage::CEffectControlPage(IEffectPageOwner& owner, UINT templateId,
                                       std::optional<EffectId> effect, Preview preview)
    : CPictureDialog(templateId), m_owner(owner), m_effect(effect), m_preview(preview) {}

COptions& CEffectControlPage::Options() const {
    return Host().Options();
}

CEffectGroup* CEffectControlPage::Effect() const {
    return m_effect ? Host().Effect(*m_effect) : nullptr;
}

const EffectKeys* CEffectControlPage::Keys() const {
    return m_effect ? &KeysOf(*m_effect) : nullptr;
}

BOOL CEffectControlPage::OnInitDialog() {
    if (m_preview.pictureId)
        m_picture.Load(m_preview.pictureId, m_hWnd);

    m_helpIcon = SetButtonIcon(Item(IDC_PAGE_HELP), IDI_PAGE_HELP, kButtonIconSize);

    HWND title = Item(IDC_PAGE_TITLE);
    if (title && !m_titleFont) {
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        font.lfHeight = ScaleToDpi(14, WindowDpi(m_hWnd));
        font.lfWeight = FW_BOLD;
        m_titleFont.reset(CreateFontIndirectW(&font));
    }
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.get()), FALSE);

    InitControls();
    const WORD help[] = {IDC_PAGE_HELP, kTextHelp};
    SetTexts(help, 1);
    return TRUE;
}

void CEffectControlPage::SetTexts(const WORD* pairs, std::size_t pairCount) {
    Host().Texts().SetDlgItemTexts(m_hWnd, pairs, static_cast<UINT>(pairCount * 2 * sizeof(WORD)));
}

void CEffectControlPage::ShowSwitchesFromKeys() {
    const EffectKeys* keys = Keys();
    if (!keys)
        return;
    CheckRadioButton(m_hWnd, IDC_ON_DESKTOP, IDC_ON_TOP,
                     Options().GetBool(keys->placementKey) ? IDC_ON_TOP : IDC_ON_DESKTOP);
    if (Options().GetBool(keys->enableKey)) {
        CheckDlgButton(m_hWnd, IDC_PAGE_ENABLE, BST_CHECKED);
        EnableSettingControls(true);
    }
}

void CEffectControlPage::EnableSettingControls(bool enable) {
    EnableWindow(Item(IDC_ON_DESKTOP), enable);
    EnableWindow(Item(IDC_ON_TOP), enable);
    for (int id : SettingControls())
        EnableWindow(Item(id), enable);
}

bool CEffectControlPage::EffectOn() const {
    const EffectKeys* keys = Keys();
    return keys && Options().GetBool(keys->enableKey);
}

void CEffectControlPage::SwitchOff() {
    CheckDlgButton(m_hWnd, IDC_PAGE_ENABLE, BST_UNCHECKED);
    OnEnableClicked();
}

void CEffectControlPage::OnEnableClicked(bool keepCustomObjects) {
    const EffectKeys* keys = Keys();
    if (!keys)
        return;
    const bool on = IsDlgButtonChecked(m_hWnd, IDC_PAGE_ENABLE) == BST_CHECKED;
    CEffectGroup* effect = Effect();
    if (on && !ProcessorHasSse2()) {
        CheckDlgButton(m_hWnd, IDC_PAGE_ENABLE, BST_UNCHECKED);
        ShowMessageBox(m_hWnd, Host().Texts().Text(kTextEffectsNeedSse2),
                       MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (on) {
        // The rule runs before this effect starts and before its key is set, so it leaves
        // this effect alone.
        if (!Options().GetBool(key::fAllowMultipleEffects))
            m_owner.TurnOffOtherEffects(keepCustomObjects);
        if (effect)
            effect->StartEffect();
    } else if (effect) {
        effect->StopEffect();
    }
    EnableSettingControls(on);
    Options().SetBool(keys->enableKey, on);
}

void CEffectControlPage::OnPlacementClicked(bool onTop) {
    const EffectKeys* keys = Keys();
    if (!keys)
        return;
    if (CEffectGroup* effect = Effect())
        effect->SetPlacement(onTop);
    Options().SetBool(keys->placementKey, onTop);
}

bool CEffectControlPage::OnCommand(WORD id, WORD notifyCode, HWND) {
    if (OnControl(id, notifyCode))
        return true;
    if (id == IDOK || id == IDCANCEL)
        return true; // Enter and Escape must not end a page
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_PAGE_ENABLE:
        OnEnableClicked();
        return true;
    case IDC_ON_DESKTOP:
        OnPlacementClicked(false);
        return true;
    case IDC_ON_TOP:
        OnPlacementClicked(true);
        return true;
    case IDC_PAGE_HELP:
        Host().OpenHelp(L"effects");
        return true;
    default:
        return false;
    }
}

void CEffectControlPage::PaintPicture(HDC dc) {
    if (!m_picture)
        return;
    Gdiplus::Graphics graphics(dc);
    m_picture.DrawAtPixel(graphics, ScaleWithDialogUnits(m_hWnd, {m_preview.x, m_preview.y}));
}

CPictureDialog::LabelStyle CEffectControlPage::StyleOfLabel(HWND control, UINT message) const {
    if (message != WM_CTLCOLORSTATIC || GetDlgCtrlID(control) != IDC_PAGE_TITLE)
        return {};
    return {true, kTitleColour};
}

void CEffectControlPage::OnDestroy() {
    // Pictures go while GDI+ still runs, not with the object.
    m_picture.Reset();
}

} // namespace orvane
