#pragma once

#include "core/ChangeNotice.h"
#include "framework/Gdiplus.h"
#include "framework/Handle.h"
#include "framework/PictureDialog.h"
#include "framework/ScaledPicture.h"
#include "resources/ids_pages.h"

#include <commctrl.h>

#include <memory>

namespace orvane {

class CNightShift;
class INightLightPageHost;

// The "Night Light" tab: the night temperature by slider or preset, the manual switch
// until shutdown, the daily schedule and the system's lower limit on temperatures.
// Every change acts on the controller at once and is stored in the settings.
class CDlgTabNightShift : public CPictureDialog {
public:
    explicit CDlgTabNightShift(INightLightPageHost& host);
    ~CDlgTabNightShift() override;

    void ApplyTexts() override;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void PaintPicture(HDC dc) override;
    LabelStyle StyleOfLabel(HWND control, UINT message) const override;
    INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    // On the program's change notice: the manual box is off limits while the schedule
    // window is open, and shows the manual mode again once it closes.
    void RefreshManualBox();
    void InitTimePicker(int id, const wchar_t* hourKey, const wchar_t* minuteKey);
    void OnSliderScrolled(WORD code);
    void OnSliderMoved();
    void OnSliderReleased();
    void OnPresetChosen();
    void OnDefault();
    void OnManualClicked();
    void OnScheduleClicked();
    void OnTimeChanged(int id);
    void OnTransitionSpun(const NMUPDOWN& change);
    void SetLimitLifted(bool lift);

    void FillPresets();
    void SelectPresetOf(int kelvin);
    int SliderPosition() const;
    void MoveSlider(int kelvin);
    // Makes the temperature the night temperature: controller, key, Default button.
    void ChooseTemperature(int kelvin);
    bool RefusedByLimit(int kelvin) const;
    void ShowLimitMessage();
    CNightShift* Controller() const;
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);

    INightLightPageHost& m_host;
    CChangeNotice::Subscription m_changes;
    CScaledPicture m_background;
    UniqueIcon m_helpIcon;
    int m_defaultTemperature;
    bool m_dragging = false;
    bool m_scheduleSuspended = false;
    bool m_limitInForce = true;
};

} // namespace orvane
