#pragma once

#include "tweaks/DlgTweakPage.h"
#include "tweaks/NumericField.h"

#include <vector>

namespace orvane {

// How a number is kept in a value of the current user, read and written with the shell's
// registry functions.
enum class NumberStorage {
    Dword, // REG_DWORD
    Text,  // REG_SZ, the decimal number
    Twips, // REG_SZ, the pixels as negative twips: 22 pixels are "-330"
};

// One numeric field of a page and the values it is stored in. With a default the field
// shows it while nothing is stored.
struct NumberFieldInfo {
    NumericFieldInfo field;
    WORD defaultButton; // the field's own Default button, enabled while it differs; 0: none
    const wchar_t* key; // below HKEY_CURRENT_USER
    // Each gets the same number; the first one stored is the one shown.
    std::vector<const wchar_t*> names;
    NumberStorage storage;
    bool deletesDefault; // the default is stored by deleting the values
};

struct NumberPageInfo {
    TweakFrame frame;
    std::vector<NumberFieldInfo> fields;
    // One Default button for every field: all of them back to their defaults, applied
    // in table order. 0: none.
    WORD resetButton = 0;
};

// The page of tweaks that are numbers: each edit change is stored at once.
class CDlgTweakNumber : public CDlgTweakPage {
public:
    CDlgTweakNumber(const NumberPageInfo& info, ITweakPageHost& host);

protected:
    void ReadState() override;
    bool OnPageCommand(WORD id, WORD notifyCode) override;
    void OnSliderMoved(HWND slider, WORD code) override;

private:
    void Read(std::size_t index);
    void Store(std::size_t index, int value);
    void ApplyField(std::size_t index);
    void ShowDefault(std::size_t index);

    NumberPageInfo m_info;
    std::vector<CNumericField> m_fields;
};

} // namespace orvane
