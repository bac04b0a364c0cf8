#pragma once

#include "tweaks/DlgTweakPage.h"
#include "tweaks/NumericField.h"

namespace orvane {

// A tweak that is one number: a REG_DWORD of the current user read and written with the
// shell's registry functions. With a default, the default is stored by deleting the
// value, the field shows it while nothing is stored and the Default button brings it
// back; without one, the field stays empty while nothing is stored.
struct NumberPageSpec {
    TweakFrame frame;
    NumericFieldSpec field;
    WORD defaultButton; // 0: none
    const wchar_t* key; // below HKEY_CURRENT_USER
    const wchar_t* name;
};

class CDlgTweakNumber : public CDlgTweakPage {
public:
    CDlgTweakNumber(const NumberPageSpec& spec, CTweakServices& services);

protected:
    void ReadState() override;
    bool OnPageCommand(WORD id, WORD notifyCode) override;
    void OnSliderMoved(HWND slider, WORD code) override;

private:
    void Store(int value);
    void ApplyField();

    NumberPageSpec m_spec;
    CNumericField m_field;
};

} // namespace orvane
