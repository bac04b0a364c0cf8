#pragma once

#include "tweaks/DlgTweakPage.h"
#include "tweaks/Transparency.h"

#include <vector>

namespace orvane {

// One shell effect on a page: its check box and, for the transparencies, the slider of
// its percentage with the label that shows the number.
struct TransparencyRow {
    ShellEffect effect;
    WORD box;
    WORD slider;     // 0: none
    WORD valueLabel; // 0: none
};

struct TransparencyPageInfo {
    TweakFrame frame;
    std::vector<TransparencyRow> rows;
    // Shown instead of a switch that cannot work on this system; 0: none.
    WORD unsupportedNote = 0;
    const wchar_t* unsupportedText = L"";
};

// The pages of the transparency and glass effects. Their state is the program's own
// (the settings and the running effects), not the registry's.
class CDlgTweakTransparency : public CDlgTweakPage {
public:
    CDlgTweakTransparency(const TransparencyPageInfo& info, ITweakPageHost& host);

protected:
    void ReadState() override;
    bool OnPageCommand(WORD id, WORD notifyCode) override;
    void OnSliderMoved(HWND slider, WORD code) override;

private:
    TransparencyPageInfo m_info;
};

} // namespace orvane
