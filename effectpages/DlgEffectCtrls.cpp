#include "effectpages/DlgEffectCtrls.h"

#include "core/Options.h"
#include "core/Translate.h"
#include "effects/EffectGroup.h"
#include "resources/ids_effectpages.h"

#include <commctrl.h>

namespace orvane {
namespace {

constexpr int kSliderMin = 1, kSliderMax = 9;
constexpr int kListVisibleItems = 10;

constexpr WORD kTextEnable = 42, kTextDisplay = 49, kTextOnDesktop = 50, kTextOnTop = 51;
constexpr WORD kTextWind = 96, kTextDensity = 97, kTextRandomAtStartup = 48;
constexpr WORD kTextMulticolored = 245;

} // namespace

CDlgEffectCtrls::CDlgEffectCtrls(IEffectPageOwner& owner, const EffectPageLayout& layout)
    : CEffectControlPage(owner, layout.templateId, layout.effect,
                         {layout.previewId, layout.previewX, layout.previewY}),
      m_layout(layout) {}

void CDlgEffectCtrls::InitControls() {
    InitSlider(IDC_DENSITY_SLIDER, m_layout.densityKey);
    InitSlider(IDC_WIND_SLIDER, m_layout.windKey);
    if (m_layout.densityRandomKey)
        CheckDlgButton(m_hWnd, IDC_DENSITY_RANDOM, Options().GetBool(m_layout.densityRandomKey));
    if (m_layout.windRandomKey)
        CheckDlgButton(m_hWnd, IDC_WIND_RANDOM, Options().GetBool(m_layout.windRandomKey));
    if (m_layout.multicolouredKey)
        CheckDlgButton(m_hWnd, IDC_MULTICOLORED, Options().GetBool(m_layout.multicolouredKey));
    FillList();
    ShowSwitchesFromKeys();
    SetPageTexts();
}

void CDlgEffectCtrls::InitSlider(int id, const wchar_t* key) {
    if (!key)
        return;
    HWND slider = Item(id);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(kSliderMin, kSliderMax));
    SendMessageW(slider, TBM_SETPOS, TRUE, Options().GetInt(key));
}

void CDlgEffectCtrls::FillList() {
    const ChoiceList* list = m_layout.list;
    if (!list)
        return;
    HWND combo = Item(list->controlId);
    // The list sorts itself by the texts of the language in use; each item carries its
    // choice, whose value is what the effect receives.
    for (std::size_t i = 0; i < list->count; ++i) {
        const ListChoice& choice = list->choices[i];
        const LRESULT index =
            SendMessageW(combo, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Host().Texts().Text(choice.textId).c_str()));
        if (index >= 0)
            SendMessageW(combo, CB_SETITEMDATA, index, reinterpret_cast<LPARAM>(&choice));
    }
    SendMessageW(combo, CB_SETMINVISIBLE, kListVisibleItems, 0);

    const ListChoice* current = FindChoice(*list, Options().GetString(list->key));
    LRESULT selection = -1;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count && current; ++i)
        if (reinterpret_cast<const ListChoice*>(SendMessageW(combo, CB_GETITEMDATA, i, 0)) ==
            current)
            selection = i;
    SendMessageW(combo, CB_SETCURSEL, selection, 0);
}

void CDlgEffectCtrls::SetPageTexts() {
    std::vector<WORD> pairs = {IDC_PAGE_TITLE,    static_cast<WORD>(NameTextOf(m_layout.effect)),
                               IDC_PAGE_ENABLE,   kTextEnable,
                               IDC_DISPLAY_GROUP, kTextDisplay,
                               IDC_ON_DESKTOP,    kTextOnDesktop,
                               IDC_ON_TOP,        kTextOnTop};
    auto add = [&](bool present, WORD control, WORD text) {
        if (present)
            pairs.insert(pairs.end(), {control, text});
    };
    add(m_layout.windKey, IDC_WIND_GROUP, kTextWind);
    add(m_layout.windRandomKey, IDC_WIND_RANDOM, kTextRandomAtStartup);
    add(m_layout.densityKey, IDC_DENSITY_GROUP, kTextDensity);
    add(m_layout.densityRandomKey, IDC_DENSITY_RANDOM, kTextRandomAtStartup);
    add(m_layout.multicolouredKey, IDC_MULTICOLORED, kTextMulticolored);
    SetTexts(pairs.data(), pairs.size() / 2);
    if (const ChoiceList* list = m_layout.list)
        SetDlgItemTextW(m_hWnd, list->labelId,
                        (Host().Texts().Text(list->labelTextId) + L":").c_str());
}

std::vector<int> CDlgEffectCtrls::SettingControls() const {
    std::vector<int> controls;
    if (m_layout.windKey)
        controls.push_back(IDC_WIND_SLIDER);
    if (m_layout.windRandomKey)
        controls.push_back(IDC_WIND_RANDOM);
    if (m_layout.densityKey)
        controls.push_back(IDC_DENSITY_SLIDER);
    if (m_layout.densityRandomKey)
        controls.push_back(IDC_DENSITY_RANDOM);
    if (m_layout.multicolouredKey)
        controls.push_back(IDC_MULTICOLORED);
    if (m_layout.list)
        controls.push_back(m_layout.list->controlId);
    return controls;
}

bool CDlgEffectCtrls::OnControl(WORD id, WORD notifyCode) {
    if (m_layout.list && id == m_layout.list->controlId) {
        if (notifyCode == CBN_SELCHANGE)
            OnListChanged();
        return true;
    }
    if (notifyCode != BN_CLICKED)
        return false;
    if (id == IDC_DENSITY_RANDOM && m_layout.densityRandomKey) {
        OnCheckboxClicked(id, m_layout.densityRandomKey);
        return true;
    }
    // The wind's random box and "Multicolored" share an id; a page has one or the other.
    if (id == IDC_WIND_RANDOM && m_layout.windRandomKey) {
        OnCheckboxClicked(id, m_layout.windRandomKey);
        return true;
    }
    if (id == IDC_MULTICOLORED && m_layout.multicolouredKey) {
        const bool colourful = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
        if (CEffectGroup* effect = Effect())
            effect->SetColourful(colourful);
        Options().SetBool(m_layout.multicolouredKey, colourful);
        return true;
    }
    return false;
}

void CDlgEffectCtrls::OnCheckboxClicked(int id, const wchar_t* key) {
    // Read by the settings store at the next start; nothing changes now.
    Options().SetBool(key, IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED);
}

bool CDlgEffectCtrls::OnNotify(NMHDR* header, LRESULT&) {
    // Sliders act when the mouse lets go of the thumb: not while it is dragged, and not
    // when the keyboard moves it.
    if (header->code != NM_RELEASEDCAPTURE)
        return false;
    if (header->idFrom == IDC_DENSITY_SLIDER && m_layout.densityKey)
        OnDensityReleased();
    else if (header->idFrom == IDC_WIND_SLIDER && m_layout.windKey)
        OnWindReleased();
    else
        return false;
    return true;
}

int CDlgEffectCtrls::SliderPosition(int id) const {
    return static_cast<int>(SendMessageW(Item(id), TBM_GETPOS, 0, 0));
}

void CDlgEffectCtrls::OnDensityReleased() {
    const int density = SliderPosition(IDC_DENSITY_SLIDER);
    if (CEffectGroup* effect = Effect())
        effect->SetDensity(density);
    Options().SetInt(m_layout.densityKey, density);
}

void CDlgEffectCtrls::OnWindReleased() {
    const int level = SliderPosition(IDC_WIND_SLIDER);
    if (CEffectGroup* effect = Effect())
        effect->StartWind(level);
    Options().SetInt(m_layout.windKey, level);
}

void CDlgEffectCtrls::OnListChanged() {
    const ChoiceList& list = *m_layout.list;
    HWND combo = Item(list.controlId);
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0)
        return;
    const LRESULT data = SendMessageW(combo, CB_GETITEMDATA, index, 0);
    if (data == CB_ERR || data == 0)
        return;
    const auto* choice = reinterpret_cast<const ListChoice*>(data);
    if (CEffectGroup* effect = Effect()) {
        if (list.kind == ListKind::PetalColour)
            effect->SetPetalColour(choice->value);
        else
            effect->SetMode(choice->value);
    }
    Options().SetString(list.key, choice->value);
}

} // namespace orvane
