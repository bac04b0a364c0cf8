#include "tweaks/DlgTweakTransparency.h"

#include "tweaks/NumericField.h"
#include "tweaks/TransparencyRules.h"

#include <commctrl.h>

#include <string>

namespace orvane {

CDlgTweakTransparency::CDlgTweakTransparency(const TransparencyPageInfo& info, ITweakPageHost& host)
    : CDlgTweakPage(info.frame, host), m_info(info) {}

void CDlgTweakTransparency::ReadState() {
    CTransparency& transparency = Host().Transparency();
    for (const TransparencyRow& row : m_info.rows) {
        if (!row.slider)
            continue;
        // The slider keeps to its range; the label shows the number as it is stored.
        const int stored = transparency.StoredPercent(row.effect);
        SendDlgItemMessageW(m_hWnd, row.slider, TBM_SETRANGEMIN, FALSE, kOpacityRange.minimum);
        SendDlgItemMessageW(m_hWnd, row.slider, TBM_SETRANGEMAX, FALSE, kOpacityRange.maximum);
        SendDlgItemMessageW(m_hWnd, row.slider, TBM_SETPOS, TRUE, stored);
        SetDlgItemTextW(m_hWnd, row.valueLabel, std::to_wstring(stored).c_str());
    }
    transparency.UseStoredPercents();

    bool allWork = true;
    for (const TransparencyRow& row : m_info.rows) {
        const bool on = transparency.StoredOn(row.effect);
        CheckDlgButton(m_hWnd, row.box, on ? BST_CHECKED : BST_UNCHECKED);
        if (row.slider)
            EnableWindow(Item(row.slider), on);
        if (!transparency.Works(row.effect)) {
            allWork = false;
            // Nothing to switch on; what is on can still be switched off.
            if (!on)
                EnableWindow(Item(row.box), FALSE);
        }
    }
    if (m_info.unsupportedNote) {
        SetDlgItemTextW(m_hWnd, m_info.unsupportedNote, m_info.unsupportedText);
        ShowWindow(Item(m_info.unsupportedNote), allWork ? SW_HIDE : SW_SHOW);
    }
}

bool CDlgTweakTransparency::OnPageCommand(WORD id, WORD notifyCode) {
    if (notifyCode != BN_CLICKED)
        return false;
    for (const TransparencyRow& row : m_info.rows) {
        if (id != row.box)
            continue;
        const bool on = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
        BeforeChange();
        if (row.slider)
            EnableWindow(Item(row.slider), on);
        Host().Transparency().Switch(row.effect, on);
        AfterChange();
        return true;
    }
    return false;
}

void CDlgTweakTransparency::OnSliderMoved(HWND slider, WORD code) {
    for (const TransparencyRow& row : m_info.rows) {
        if (!row.slider || slider != Item(row.slider))
            continue;
        const auto position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        SetDlgItemTextW(m_hWnd, row.valueLabel, std::to_wstring(position).c_str());
        // The shell's windows change once the user lets go, not at each step of a drag.
        if (IsFinishedSliderMove(code))
            Host().Transparency().ChangePercent(row.effect, position);
        return;
    }
}

} // namespace orvane
