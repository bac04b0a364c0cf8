#include "effectpages/DlgTabLights.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/Translate.h"
#include "effects/EffectGroup.h"
#include "resources/ids_effectpages.h"

#include <commctrl.h>

namespace orvane {
namespace {

constexpr int kSpeedMin = 1, kSpeedMax = 9;
constexpr int kPreviewX = -2, kPreviewY = 304;

// The lists in the order of their values: the garlands, then the flash modes.
constexpr unsigned kGarlandTexts[] = {63, 64, 65, 66, 67, 70};
constexpr unsigned kFlashTexts[] = {71, 72, 73, 74, 75};

constexpr WORD kTexts[] = {
    IDC_PAGE_TITLE,         68, IDC_PAGE_ENABLE,    42, IDC_GARLAND_GROUP, 44,
    IDC_GARLAND_RANDOM,     45, IDC_FLASH_GROUP,    43, IDC_FLASH_SLOW,    46,
    IDC_FLASH_FAST,         47, IDC_FLASH_RANDOM,   48, IDC_DISPLAY_GROUP, 49,
    IDC_GARLAND_ON_DESKTOP, 50, IDC_GARLAND_ON_TOP, 51,
};

} // namespace

CDlgTabLights::CDlgTabLights(IEffectPageOwner& owner)
    : CEffectControlPage(owner, IDD_TAB_LIGHTS, EffectId::Garland,
                         {IDB_GARLAND_PREVIEW, kPreviewX, kPreviewY}) {}

void CDlgTabLights::InitControls() {
    COptions& options = Options();
    const bool on = options.GetBool(key::fGarland);
    CheckDlgButton(m_hWnd, IDC_PAGE_ENABLE, on);
    CheckDlgButton(m_hWnd, IDC_GARLAND_RANDOM, options.GetBool(key::fGarlandRandom));
    CheckDlgButton(m_hWnd, IDC_FLASH_RANDOM, options.GetBool(key::fFlashRandom));
    HWND speed = Item(IDC_FLASH_SPEED);
    SendMessageW(speed, TBM_SETRANGE, FALSE, MAKELPARAM(kSpeedMin, kSpeedMax));
    SendMessageW(speed, TBM_SETPOS, TRUE, options.GetInt(key::iFlashSpeed));
    CheckRadioButton(m_hWnd, IDC_GARLAND_ON_DESKTOP, IDC_GARLAND_ON_TOP,
                     options.GetBool(key::fGarlandTop) ? IDC_GARLAND_ON_TOP : IDC_GARLAND_ON_DESKTOP);
    EnableSettingControls(on);
    SetTexts(kTexts, std::size(kTexts) / 2);
    FillList(IDC_GARLAND_KIND, kGarlandTexts, std::size(kGarlandTexts), key::iGarland);
    FillList(IDC_FLASH_MODE, kFlashTexts, std::size(kFlashTexts), key::iFlash);
}

// Unsorted: an item's index is its value. A stored value outside the list selects nothing.
void CDlgTabLights::FillList(int id, const unsigned* textIds, std::size_t count,
                             const wchar_t* key) {
    HWND combo = Item(id);
    for (std::size_t i = 0; i < count; ++i)
        SendMessageW(combo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Host().Texts().Text(textIds[i]).c_str()));
    SendMessageW(combo, CB_SETCURSEL, Options().GetInt(key), 0);
}

std::vector<int> CDlgTabLights::SettingControls() const {
    return {IDC_GARLAND_ON_DESKTOP, IDC_GARLAND_ON_TOP, IDC_GARLAND_KIND,  IDC_FLASH_MODE,
            IDC_FLASH_SPEED,        IDC_FLASH_RANDOM,   IDC_GARLAND_RANDOM};
}

int CDlgTabLights::Selection(int id) const {
    return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

bool CDlgTabLights::OnControl(WORD id, WORD notifyCode) {
    CEffectGroup* garland = Effect();
    switch (id) {
    case IDC_GARLAND_KIND:
    case IDC_FLASH_MODE: {
        const int index = Selection(id);
        if (notifyCode != CBN_SELCHANGE || index < 0)
            return true;
        if (id == IDC_GARLAND_KIND) {
            if (garland)
                garland->SetGarlandKind(index);
            Options().SetInt(key::iGarland, index);
        } else {
            if (garland)
                garland->SetFlashMode(index);
            Options().SetInt(key::iFlash, index);
        }
        return true;
    }
    case IDC_GARLAND_RANDOM:
    case IDC_FLASH_RANDOM:
        // Read by the settings store at the next start; nothing changes now.
        if (notifyCode == BN_CLICKED)
            Options().SetBool(id == IDC_GARLAND_RANDOM ? key::fGarlandRandom : key::fFlashRandom,
                              IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED);
        return true;
    case IDC_GARLAND_ON_DESKTOP:
    case IDC_GARLAND_ON_TOP:
        if (notifyCode == BN_CLICKED)
            OnPlacementClicked(id == IDC_GARLAND_ON_TOP);
        return true;
    default:
        return false;
    }
}

void CDlgTabLights::OnPlacementClicked(bool onTop) {
    if (CEffectGroup* garland = Effect())
        garland->SetPlacement(onTop);
    Options().SetBool(key::fGarlandTop, onTop);
}

bool CDlgTabLights::OnNotify(NMHDR* header, LRESULT&) {
    // The speed acts when the mouse lets go of the thumb.
    if (header->code != NM_RELEASEDCAPTURE || header->idFrom != IDC_FLASH_SPEED)
        return false;
    const int speed = static_cast<int>(SendMessageW(Item(IDC_FLASH_SPEED), TBM_GETPOS, 0, 0));
    if (CEffectGroup* garland = Effect())
        garland->SetFlashSpeed(speed);
    Options().SetInt(key::iFlashSpeed, speed);
    return true;
}

} // namespace orvane
