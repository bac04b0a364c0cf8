#include "app/DlgSettings.h"

#include "app/AutoRun.h"
#include "app/OrvaneApp.h"
#include "app/OrvaneDlg.h"
#include "core/SettingsKeys.h"
#include "framework/Dpi.h"
#include "framework/Paths.h"
#include "resources/ids_app.h"

namespace orvane {
namespace {

constexpr unsigned kTextSettings = 13;
constexpr int kEngineMediaPlayer = 0, kEngineMci = 1;

// A check box and the flag it shows and sets.
struct FlagBox {
    int id;
    const wchar_t* key;
};
constexpr FlagBox kFlagBoxes[] = {
    {IDC_SETTINGS_AUTORUN, key::fAutoRun},
    {IDC_SETTINGS_RESTORE_POINT, key::fCreateSystemRestorePoint},
    {IDC_SETTINGS_HIGH_LOAD, key::fDisableAtHighLoad},
    {IDC_SETTINGS_MULTIPLE_EFFECTS, key::fAllowMultipleEffects},
    {IDC_SETTINGS_EVERY_MONITOR, key::fEffectsEveryMonitor},
};

const wchar_t* KeyOfBox(int id) {
    for (const FlagBox& box : kFlagBoxes)
        if (box.id == id)
            return box.key;
    return nullptr;
}

} // namespace

CDlgSettings::CDlgSettings() : CPictureDialog(IDD_SETTINGS) {}

BOOL CDlgSettings::OnInitDialog() {
    COptions& options = App().Options();
    m_backdrop.Load(IDB_SETTINGS_BACKDROP, m_hWnd);
    App().Translator().FillLanguageList(Item(IDC_SETTINGS_LANGUAGE),
                                        options.GetString(key::strLanguage));
    for (const FlagBox& box : kFlagBoxes)
        CheckDlgButton(m_hWnd, box.id, options.GetBool(box.key) ? BST_CHECKED : BST_UNCHECKED);
    // The restore point is made once; after that the choice is history.
    if (options.GetBool(key::fSystemRestorePointCreated))
        EnableWindow(Item(IDC_SETTINGS_RESTORE_POINT), FALSE);
    CheckDlgButton(m_hWnd,
                   options.GetInt(key::iWallaperVideoEngine) == kEngineMci ? IDC_SETTINGS_ENGINE_MCI
                                                                         : IDC_SETTINGS_ENGINE_WMP,
                   BST_CHECKED);
    ApplyTexts();
    return TRUE;
}

void CDlgSettings::ApplyTexts() {
    static const WORD kTexts[] = {
        IDC_SETTINGS_LANGUAGE_LABEL,   4,   IDC_SETTINGS_AUTORUN,       18,
        IDC_SETTINGS_RESTORE_POINT,    184, IDC_SETTINGS_HIGH_LOAD,     186,
        IDC_SETTINGS_MULTIPLE_EFFECTS, 202, IDC_SETTINGS_EVERY_MONITOR, 249,
        IDC_SETTINGS_VIDEO_ENGINE,     222};
    App().Translator().SetDlgItemTexts(m_hWnd, kTexts, sizeof kTexts);
    SetWindowTextW(m_hWnd, App().Text(kTextSettings).c_str());
}

bool CDlgSettings::Checked(int id) const {
    return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CDlgSettings::ChangeLanguage() {
    COptions& options = App().Options();
    std::wstring name = options.GetString(key::strLanguage);
    App().Translator().LanguageAt(Item(IDC_SETTINGS_LANGUAGE), name);
    options.SetString(key::strLanguage, name);
    App().Translator().LoadLanguage(options.GetString(key::strLanguage));
    if (COrvaneDlg* main = App().MainWindow(); main && main->GetSafeHwnd())
        main->RetranslateWindow();
    ApplyTexts();
    // The children too: they show the picture through and must paint after it.
    RedrawWindow(m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool CDlgSettings::OnCommand(WORD id, WORD notifyCode, HWND control) {
    COptions& options = App().Options();
    switch (id) {
    case IDC_SETTINGS_LANGUAGE:
        if (notifyCode == CBN_SELCHANGE)
            ChangeLanguage();
        return true;
    case IDC_SETTINGS_AUTORUN:
        if (Checked(id))
            WriteAutoRun(ProgramPath());
        else
            RemoveAutoRun();
        options.SetBool(KeyOfBox(id), Checked(id));
        return true;
    case IDC_SETTINGS_HIGH_LOAD:
        // The monitor acts on it now: a pause it no longer wants ends at once.
        App().SetPauseAtHighLoad(Checked(id));
        options.SetBool(KeyOfBox(id), Checked(id));
        App().BusyStateTick();
        return true;
    case IDC_SETTINGS_RESTORE_POINT:
    case IDC_SETTINGS_MULTIPLE_EFFECTS:
        options.SetBool(KeyOfBox(id), Checked(id));
        return true;
    case IDC_SETTINGS_EVERY_MONITOR:
        // Running effects spread to the other monitors, or leave them, at once.
        options.SetBool(KeyOfBox(id), Checked(id));
        App().FollowMonitors();
        return true;
    case IDC_SETTINGS_ENGINE_WMP:
    case IDC_SETTINGS_ENGINE_MCI:
        // Also when the engine was chosen already: a running video starts afresh.
        if (notifyCode == BN_CLICKED)
            App().ChangeVideoEngine(id == IDC_SETTINGS_ENGINE_MCI ? kEngineMci
                                                                  : kEngineMediaPlayer);
        return true;
    default:
        return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CDlgSettings::PaintPicture(HDC dc) {
    if (!m_backdrop)
        return;
    // From one pixel down to the foot of the client area. Measured from the client
    // rectangle, not from the window less Windows 10's frame, so that other frame sizes
    // leave no bare strip at the right and bottom.
    RECT client;
    GetClientRect(m_hWnd, &client);
    Gdiplus::Graphics graphics(dc);
    m_backdrop.DrawInto(graphics, Gdiplus::Rect(0, 1, client.right, client.bottom - 1));
}

void CDlgSettings::OnDestroy() {
    m_backdrop.Reset();
}

CPictureDialog::LabelStyle CDlgSettings::StyleOfLabel(HWND control, UINT) const {
    // The label, the boxes and the group show the picture through; the language list
    // keeps its own background.
    return {IsOfClass(control, L"Static") || IsOfClass(control, L"Button"), std::nullopt};
}

} // namespace orvane
