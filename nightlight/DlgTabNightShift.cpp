#include "nightlight/DlgTabNightShift.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/Translate.h"
#include "framework/Dpi.h"
#include "framework/IconButtons.h"
#include "framework/MessageBox.h"
#include "nightlight/ColourTemperature.h"
#include "nightlight/GammaLimit.h"
#include "nightlight/NightLightPageHost.h"
#include "nightlight/NightShift.h"
#include "nightlight/TemperaturePresets.h"
#include "resources/ids_nightlight.h"

#include <commctrl.h>

#include <algorithm>

namespace orvane {
namespace {

constexpr int kHelpIcon = 565;
constexpr int kBackgroundTop = 198;
constexpr int kSliderTickStep = 250;

constexpr unsigned kTextBelowLimit = 205;
constexpr unsigned kTextRestartAsAdmin = 207;
constexpr unsigned kTextRebootNeeded = 208;


// (control, text) pairs.
// clang-format off
const WORD kTexts[] = {
    IDC_NIGHT_DESCRIPTION, 89,      IDC_NIGHT_TEMPERATURE_GROUP, 90, IDC_NIGHT_DEFAULT, 77,
    IDC_NIGHT_SCHEDULE_GROUP, 91,   IDC_NIGHT_SCHEDULE_ON, 92,       IDC_NIGHT_MANUAL, 93,
    IDC_NIGHT_TRANSITION_LABEL, 94, IDC_NIGHT_MINUTES, 35,           IDC_NIGHT_FROM_LABEL, 113,
    IDC_NIGHT_TO_LABEL, 114,        IDC_NIGHT_LIMIT, 206,            IDC_NIGHT_HELP, 14,
};
// clang-format on

// Statics drawn straight onto the page, over its picture.
bool HasClearBackground(int id) {
    switch (id) {
    case IDC_NIGHT_DESCRIPTION:
    case IDC_NIGHT_TRANSITION_LABEL:
    case IDC_NIGHT_FROM_LABEL:
    case IDC_NIGHT_TO_LABEL:
    case IDC_NIGHT_MINUTES:
    case IDC_NIGHT_SCHEDULE_ON:
        return true;
    default:
        return false;
    }
}

// The pickers follow the user's clock: 24-hour where the locale says so.
const wchar_t* TimeFormat() {
    wchar_t clock[4] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, clock, 4);
    return clock == std::wstring(L"1") ? L"HH:mm" : L"hh:mm tt";
}

} // namespace

CDlgTabNightShift::CDlgTabNightShift(INightLightPageHost& host)
    : CPictureDialog(IDD_TAB_NIGHTSHIFT), m_host(host), m_defaultTemperature(kDefaultTemperature) {}

CDlgTabNightShift::~CDlgTabNightShift() = default;

CNightShift* CDlgTabNightShift::Controller() const {
    return m_host.NightLight();
}

bool CDlgTabNightShift::Checked(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CDlgTabNightShift::SetChecked(int id, bool checked) {
    SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

BOOL CDlgTabNightShift::OnInitDialog() {
    COptions& options = m_host.Options();
    m_background.Load(IDB_NIGHT_BACKGROUND, m_hWnd);
    m_helpIcon = SetButtonIcon(Item(IDC_NIGHT_HELP), kHelpIcon, kButtonIconSize);

    HWND slider = Item(IDC_NIGHT_SLIDER);
    SendMessageW(slider, TBM_SETRANGEMIN, FALSE, kMinTemperature);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, kNeutralTemperature);
    SendMessageW(slider, TBM_SETTICFREQ, kSliderTickStep, 0);
    const int temperature = options.GetInt(key::iNightShiftColourTemperature);
    SendMessageW(slider, TBM_SETPOS, TRUE, temperature);
    EnableWindow(Item(IDC_NIGHT_DEFAULT), temperature != m_defaultTemperature);

    SetChecked(IDC_NIGHT_SCHEDULE, options.GetBool(key::fNightShiftSchedule));
    InitTimePicker(IDC_NIGHT_FROM, key::iNightShiftTimeFromHour, key::iNightShiftTimeFromMinute);
    InitTimePicker(IDC_NIGHT_TO, key::iNightShiftTimeToHour, key::iNightShiftTimeToMinute);

    HWND spin = Item(IDC_NIGHT_TRANSITION_SPIN);
    SendMessageW(spin, UDM_SETRANGE32, 0, kMaxTransition);
    SendMessageW(spin, UDM_SETPOS32, 0, options.GetInt(key::iNightShiftTransitionPhase));

    if (GammaLimitLifted()) {
        m_limitInForce = false;
        SetChecked(IDC_NIGHT_LIMIT, true);
    }
    RefreshManualBox();
    m_changes = m_host.PageChanges().Listen([this] { RefreshManualBox(); });
    return TRUE;
}

void CDlgTabNightShift::OnDestroy() {
    m_changes.Reset();
}

void CDlgTabNightShift::InitTimePicker(int id, const wchar_t* hourKey, const wchar_t* minuteKey) {
    HWND picker = Item(id);
    SYSTEMTIME time = {};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    time.wHour = static_cast<WORD>(std::clamp(m_host.Options().GetInt(hourKey), 0, 23));
    time.wMinute = static_cast<WORD>(std::clamp(m_host.Options().GetInt(minuteKey), 0, 59));
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(TimeFormat()));
}

void CDlgTabNightShift::ApplyTexts() {
    m_host.Texts().SetDlgItemTexts(m_hWnd, kTexts, sizeof kTexts);
    FillPresets();
    SelectPresetOf(SliderPosition());
}

void CDlgTabNightShift::FillPresets() {
    HWND list = Item(IDC_NIGHT_PRESETS);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const TemperaturePreset& preset : kTemperaturePresets) {
        const std::wstring label = PresetLabel(preset, m_host.Texts().Text(preset.textId));
        const LRESULT index =
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
        SendMessageW(list, CB_SETITEMDATA, index, preset.kelvin);
    }
}

void CDlgTabNightShift::SelectPresetOf(int kelvin) {
    SendMessageW(Item(IDC_NIGHT_PRESETS), CB_SETCURSEL, PresetIndexOf(kelvin), 0);
}

int CDlgTabNightShift::SliderPosition() const {
    return static_cast<int>(SendMessageW(Item(IDC_NIGHT_SLIDER), TBM_GETPOS, 0, 0));
}

void CDlgTabNightShift::MoveSlider(int kelvin) {
    SendMessageW(Item(IDC_NIGHT_SLIDER), TBM_SETPOS, TRUE, kelvin);
}

void CDlgTabNightShift::ChooseTemperature(int kelvin) {
    EnableWindow(Item(IDC_NIGHT_DEFAULT), kelvin != m_defaultTemperature);
    if (CNightShift* light = Controller())
        light->SetTemperature(kelvin);
    m_host.Options().SetInt(key::iNightShiftColourTemperature, kelvin);
}

bool CDlgTabNightShift::RefusedByLimit(int kelvin) const {
    return kelvin < kLimitedMinimumTemperature && m_limitInForce;
}

void CDlgTabNightShift::ShowLimitMessage() {
    ShowMessageBox(m_hWnd, m_host.Texts().Text(kTextBelowLimit), MB_OK | MB_ICONWARNING);
}

void CDlgTabNightShift::RefreshManualBox() {
    CNightShift* light = Controller();
    HWND box = Item(IDC_NIGHT_MANUAL);
    if (!light || !box)
        return;
    if (light->Active()) {
        EnableWindow(box, FALSE);
    } else if (!IsWindowEnabled(box)) {
        EnableWindow(box, TRUE);
        // A manual mode that outlived the window still warms the display: say so.
        SetChecked(IDC_NIGHT_MANUAL, light->Manual());
    }
}

bool CDlgTabNightShift::OnCommand(WORD id, WORD notifyCode, HWND) {
    switch (id) {
    case IDC_NIGHT_MANUAL:
        if (notifyCode == BN_CLICKED)
            OnManualClicked();
        return true;
    case IDC_NIGHT_SCHEDULE:
        if (notifyCode == BN_CLICKED)
            OnScheduleClicked();
        return true;
    case IDC_NIGHT_LIMIT:
        if (notifyCode == BN_CLICKED)
            SetLimitLifted(Checked(IDC_NIGHT_LIMIT));
        return true;
    case IDC_NIGHT_DEFAULT:
        if (notifyCode == BN_CLICKED)
            OnDefault();
        return true;
    case IDC_NIGHT_PRESETS:
        if (notifyCode == CBN_SELCHANGE)
            OnPresetChosen();
        return true;
    case IDC_NIGHT_HELP:
        if (notifyCode == BN_CLICKED)
            m_host.OpenHelp(L"night-light");
        return true;
    case IDOK:
    case IDCANCEL:
        return true; // Enter and Escape on a page end nothing
    default:
        return false;
    }
}

bool CDlgTabNightShift::OnNotify(NMHDR* header, LRESULT& result) {
    switch (header->idFrom) {
    case IDC_NIGHT_SLIDER:
        if (header->code != NM_RELEASEDCAPTURE)
            return false;
        OnSliderReleased();
        result = 0;
        return true;
    case IDC_NIGHT_FROM:
    case IDC_NIGHT_TO:
        if (header->code != DTN_DATETIMECHANGE)
            return false;
        OnTimeChanged(static_cast<int>(header->idFrom));
        result = 0;
        return true;
    case IDC_NIGHT_TRANSITION_SPIN:
        if (header->code != UDN_DELTAPOS)
            return false;
        OnTransitionSpun(*reinterpret_cast<const NMUPDOWN*>(header));
        result = FALSE; // let the control move; its own range keeps it to 0..99
        return true;
    default:
        return false;
    }
}

void CDlgTabNightShift::OnSliderScrolled(WORD code) {
    if (GetCapture() == Item(IDC_NIGHT_SLIDER)) {
        OnSliderMoved();
        return;
    }
    switch (code) {
    case TB_THUMBTRACK:
    case TB_THUMBPOSITION:
        OnSliderMoved();
        break;
    case TB_ENDTRACK:
        // The keyboard's end of a change, or the mouse's once the slider let go of it:
        // no capture is released after a key, so the release happens here.
        if (m_dragging)
            OnSliderReleased();
        break;
    default: // arrow keys, page keys, the wheel, a click in the channel
        OnSliderMoved();
        break;
    }
}

void CDlgTabNightShift::OnSliderMoved() {
    CNightShift* light = Controller();
    if (!light)
        return;
    light->SetTemperature(SliderPosition());
    if (m_dragging)
        return;
    m_dragging = true;
    COptions& options = m_host.Options();
    if (options.GetBool(key::fNightShiftSchedule)) {
        options.SetBool(key::fNightShiftSchedule, false);
        m_scheduleSuspended = true;
        light->UpdateSchedule();
    }
    // The display previews the temperature while the slider moves.
    if (!light->Manual())
        light->SetManual(true);
}

void CDlgTabNightShift::OnSliderReleased() {
    if (!m_dragging)
        return; // already finished by the slider's end-of-track
    m_dragging = false;
    CNightShift* light = Controller();
    if (!light)
        return;
    if (!Checked(IDC_NIGHT_MANUAL) && light->LightOn())
        light->SetManual(false);
    COptions& options = m_host.Options();
    if (m_scheduleSuspended) {
        m_scheduleSuspended = false;
        options.SetBool(key::fNightShiftSchedule, true);
        light->UpdateSchedule();
    }
    const int chosen = SliderPosition();
    if (RefusedByLimit(chosen)) {
        ShowLimitMessage();
        const int stored = options.GetInt(key::iNightShiftColourTemperature);
        light->SetTemperature(stored);
        MoveSlider(stored);
        return;
    }
    SelectPresetOf(chosen);
    ChooseTemperature(chosen);
}

void CDlgTabNightShift::OnPresetChosen() {
    HWND list = Item(IDC_NIGHT_PRESETS);
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    const int kelvin = static_cast<int>(SendMessageW(list, CB_GETITEMDATA, index, 0));
    if (kelvin == 0)
        return; // "Custom" names the slider's own position
    if (RefusedByLimit(kelvin)) {
        ShowLimitMessage();
        SelectPresetOf(SliderPosition());
        return;
    }
    MoveSlider(kelvin);
    ChooseTemperature(kelvin);
}

void CDlgTabNightShift::OnDefault() {
    MoveSlider(m_defaultTemperature);
    SelectPresetOf(m_defaultTemperature);
    ChooseTemperature(m_defaultTemperature);
}

void CDlgTabNightShift::OnManualClicked() {
    if (CNightShift* light = Controller())
        light->SetManual(Checked(IDC_NIGHT_MANUAL));
}

void CDlgTabNightShift::OnScheduleClicked() {
    m_host.Options().SetBool(key::fNightShiftSchedule, Checked(IDC_NIGHT_SCHEDULE));
    if (CNightShift* light = Controller())
        light->UpdateSchedule();
}

void CDlgTabNightShift::OnTimeChanged(int id) {
    SYSTEMTIME time = {};
    if (SendMessageW(Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
        return;
    const bool start = id == IDC_NIGHT_FROM;
    if (CNightShift* light = Controller()) {
        if (start)
            light->SetStartTime(time.wHour, time.wMinute);
        else
            light->SetEndTime(time.wHour, time.wMinute);
    }
    COptions& options = m_host.Options();
    options.SetInt(start ? key::iNightShiftTimeFromHour : key::iNightShiftTimeToHour, time.wHour);
    options.SetInt(start ? key::iNightShiftTimeFromMinute : key::iNightShiftTimeToMinute, time.wMinute);
}

void CDlgTabNightShift::OnTransitionSpun(const NMUPDOWN& change) {
    const int minutes = std::clamp(change.iPos + change.iDelta, 0, kMaxTransition);
    if (CNightShift* light = Controller())
        light->SetTransition(minutes);
    m_host.Options().SetInt(key::iNightShiftTransitionPhase, minutes);
}

void CDlgTabNightShift::SetLimitLifted(bool lift) {
    if (!m_host.IsUserAdmin()) {
        if (ShowMessageBox(m_hWnd, m_host.Texts().Text(kTextRestartAsAdmin),
                           MB_OKCANCEL | MB_ICONQUESTION) == IDOK &&
            m_host.RestartAsAdmin())
            return; // this process is ending
        SetChecked(IDC_NIGHT_LIMIT, !lift);
        return;
    }
    // A refused write leaves the box as the registry is, without a message.
    if (lift) {
        if (!LiftGammaLimit()) {
            SetChecked(IDC_NIGHT_LIMIT, false);
            return;
        }
        m_limitInForce = false;
    } else {
        if (!RestoreGammaLimit()) {
            SetChecked(IDC_NIGHT_LIMIT, true);
            return;
        }
        COptions& options = m_host.Options();
        if (options.GetInt(key::iNightShiftColourTemperature) < kLimitedMinimumTemperature) {
            MoveSlider(kLimitedMinimumTemperature);
            SelectPresetOf(kLimitedMinimumTemperature);
            if (CNightShift* light = Controller())
                light->SetTemperature(kLimitedMinimumTemperature);
            options.SetInt(key::iNightShiftColourTemperature, kLimitedMinimumTemperature);
        }
        m_limitInForce = true;
    }
    ShowMessageBox(m_hWnd, m_host.Texts().Text(kTextRebootNeeded), MB_OK | MB_ICONINFORMATION);
}

void CDlgTabNightShift::PaintPicture(HDC dc) {
    if (!m_background)
        return;
    Gdiplus::Graphics graphics(dc);
    m_background.DrawAtPixel(graphics, ScaleWithDialogUnits(m_hWnd, {0, kBackgroundTop}));
}

CPictureDialog::LabelStyle CDlgTabNightShift::StyleOfLabel(HWND control, UINT message) const {
    LabelStyle style;
    style.clear = message == WM_CTLCOLORSTATIC && HasClearBackground(GetDlgCtrlID(control));
    return style;
}

INT_PTR CDlgTabNightShift::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           bool& handled) {
    if (message != WM_HSCROLL || reinterpret_cast<HWND>(lParam) != Item(IDC_NIGHT_SLIDER))
        return FALSE;
    OnSliderScrolled(LOWORD(wParam));
    handled = true;
    return TRUE;
}

} // namespace orvane
