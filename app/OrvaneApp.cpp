#include "app/OrvaneApp.h"

#include "app/AutoRun.h"
#include "app/CommandLine.h"
#include "app/OrvaneDlg.h"
#include "background/WallpaperScreensaver.h"
#include "background/WallpaperVideo.h"
#include "background/WallpaperWeb.h"
#include "core/SettingsKeys.h"
#include "core/SystemAccess.h"
#include "effects/EffectFactory.h"
#include "effects/EffectGroup.h"
#include "framework/Gdiplus.h"
#include "framework/MessageBox.h"
#include "framework/Monitors.h"
#include "framework/Paths.h"
#include "framework/Random.h"
#include "nightlight/NightShiftSystem.h"
#include "personalize/CursorTheme.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>

namespace orvane {
namespace {

const wchar_t kInstanceMutexName[] = L"TeskanOrvaneMutex";
constexpr unsigned int kTextAlreadyRunning = 3;
constexpr unsigned int kTextError = 148;

void CALLBACK BusyStateTimer(HWND, UINT, UINT_PTR, DWORD) {
    // An exception must not unwind through the system's code that called us.
    try {
        App().BusyStateTick();
    } catch (...) {
    }
}

} // namespace

COrvaneApp& App() {
    static COrvaneApp app;
    return app;
}

COrvaneApp::COrvaneApp()
    // The change timer: the next picture, then the pages that show it.
    : m_slideshowSystem([this] {
          m_slideshow.ShowNext();
          RefreshPages();
      }),
      m_slideshow(m_slideshowSystem, m_options),
      m_backgrounds(
          m_options, [this] { RefreshPages(); },
          [this] {
              ShowMessageBox(m_mainWindow ? m_mainWindow->GetSafeHwnd() : nullptr, Text(kTextError),
                             MB_OK | MB_ICONEXCLAMATION);
          },
          SystemMonitors),
      m_screensavers(m_options, m_translator, [this] { RefreshPages(); }),
      m_elevation(m_options, m_settingsFile, m_translator, m_instanceMutex, kInstanceMutexName,
                  m_elevationSystem,
                  [this] {
                      if (CNightShift* light = NightShift())
                          light->SwitchOff();
                  }),
      m_transparency(m_options) {}
COrvaneApp::~COrvaneApp() = default;

void COrvaneApp::RefreshPages() {
    m_pageChanges.Raise();
}

BOOL COrvaneApp::InitInstance(const std::wstring& arguments) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    // ActiveX controls (web and video backgrounds, the About box) need OLE on this thread.
    const bool oleReady = SUCCEEDED(OleInitialize(nullptr));

    PrepareFolders();
    m_customObjects.SetSettingsFile(m_settingsFile);
    if (!ClaimSingleInstance()) {
        // Started at sign-in while one runs already (the Run value and the restart after
        // an update both start "-auto"): nobody asked for a window, so say nothing.
        if (IsAutoStart(arguments))
            return FALSE;
        // The running Orvane owns the settings file: read the language for the message
        // and change nothing.
        m_settingsFile.LoadReadOnly(m_options);
        m_translator.LoadLanguage(m_options.GetString(key::strLanguage));
        ShowMessageBox(nullptr, Text(kTextAlreadyRunning), MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    m_settingsFile.Load(m_options);
    m_translator.LoadLanguage(m_options.GetString(key::strLanguage));
    if (m_options.GetBool(key::fAutoRun))
        RegisterAutoRun(ProgramPath());
    // Restarted by the restart manager (after an update or a reboot) the program comes
    // back as at sign-in, in the tray; it keeps no state that would need recovering.
    RegisterApplicationRestart(L"-auto", 0);

    {
        GdiplusSession gdiplus;
        const bool autoStart = IsAutoStart(arguments);

        StartNightLight();
        StartBackgrounds();
        StartSlideshow(autoStart);
        StartScreenSaverChange();
        ApplyCursorTheme();
        StartEffects();
        StartCustomObjects();
        ApplyTransparencyTweaks();
        StartBusyMonitor();

        m_mainWindow = std::make_unique<COrvaneDlg>();
        m_mainWindow->SetStartHidden(autoStart);
        m_mainWindow->DoModal();
        // Exit ends the modal loops with WM_QUIT; none is left to take it now.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

        ShutDown();
        // The window's pages and the effects hold pictures and windows: free them while
        // GDI+ and OLE still run, not in the static destruction after them.
        m_mainWindow.reset();
        for (auto& effect : m_effects)
            effect.reset();
    }
    if (oleReady)
        OleUninitialize();
    return FALSE;
}

void COrvaneApp::PrepareFolders() {
    m_programFolder = orvane::ProgramFolder();
    // CreateDirectory fails harmlessly when the folder is there already.
    m_dataFolder = ExpandEnvironment(L"%APPDATA%") + L"\\Teskan";
    CreateDirectoryW(m_dataFolder.c_str(), nullptr);
    m_dataFolder += L"\\Orvane";
    CreateDirectoryW(m_dataFolder.c_str(), nullptr);
    m_settingsFile.SetPath(m_dataFolder + L"\\settings.ini");
}

bool COrvaneApp::ClaimSingleInstance() {
    m_instanceMutex.reset(CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

// The features below join start-up as they are built; each starts only what its
// settings ask for.
void COrvaneApp::StartSlideshow(bool autoStart) {
    m_slideshowSettings = std::make_unique<SlideshowSettingsFile>(m_settingsFile);
    m_slideshow.Load(*m_slideshowSettings);
    m_slideshow.ChangeAtSignIn(autoStart);
}
void COrvaneApp::ApplyTransparencyTweaks() {
    m_transparency.ApplyAtStartUp();
}

CNightShift* COrvaneApp::NightShift() {
    return m_nightShift ? &m_nightShift->Controller() : nullptr;
}

// Nothing reaches the display here: the schedule's first tick, a second from now, or
// the Night Light page does that.
void COrvaneApp::StartNightLight() {
    m_nightShift = std::make_unique<CNightShiftSystem>(m_options);
    m_nightShift->SetActiveChangedHandler([this] { RefreshPages(); });
    CNightShift& light = m_nightShift->Controller();
    light.SetTemperature(m_options.GetInt(key::iNightShiftColourTemperature));
    light.SetStartTime(m_options.GetInt(key::iNightShiftTimeFromHour),
                       m_options.GetInt(key::iNightShiftTimeFromMinute));
    light.SetEndTime(m_options.GetInt(key::iNightShiftTimeToHour),
                     m_options.GetInt(key::iNightShiftTimeToMinute));
    light.SetTransition(m_options.GetInt(key::iNightShiftTransitionPhase));
    light.UpdateSchedule();
}

void COrvaneApp::InstallBackgrounds() {
    if (m_videoBackground)
        return;
    // Each maker serves the primary monitor's object and the copies for the others.
    m_videoBackground = m_backgrounds.Install(
        BackgroundKind::Video, [this] { return std::make_unique<CWallpaperVideo>(m_options); });
    m_webBackground = m_backgrounds.Install(BackgroundKind::Web, [this] {
        return std::make_unique<CWallpaperWeb>(m_options, m_dataFolder);
    });
    m_screensaverBackground = m_backgrounds.Install(BackgroundKind::Screensaver, [this] {
        return std::make_unique<CWallpaperScreensaver>(m_options);
    });
}

void COrvaneApp::StartBackgrounds() {
    InstallBackgrounds();
    m_backgrounds.StartFromSettings();
}

void COrvaneApp::ApplyCursorTheme() {
    const std::wstring theme = m_options.GetString(key::strCursorPath);
    if (!theme.empty())
        orvane::ApplyCursorTheme(theme);
}

void COrvaneApp::StartScreenSaverChange() {
    m_screensavers.ReadCurrent();
    m_screensavers.Build();
    if (m_options.GetInt(key::iScreenSaverAutoChange) != 0)
        m_screensavers.StartChangeTimer();
    else
        m_screensavers.StopChangeTimer();
}

void COrvaneApp::StartEffects() {
    for (const EffectKeys& keys : kEffectKeys) {
        auto& effect = m_effects[static_cast<std::size_t>(keys.id)];
        const EffectId id = keys.id;
        effect = std::make_unique<CEffectGroup>(
            m_options, [this, id] { return CreateEffect(id, m_options); }, SystemMonitors);
        // Each effect object seeds the shared generator as it is built.
        SeedRandomWithTime();
        if (m_options.GetBool(keys.enableKey))
            effect->StartEffect();
    }
    // Effects that the processor cannot draw stayed off: say so once, at the start.
    const bool anyOn =
        std::any_of(std::begin(kEffectKeys), std::end(kEffectKeys),
                    [&](const EffectKeys& keys) { return m_options.GetBool(keys.enableKey); });
    if (anyOn && !ProcessorHasSse2())
        ShowMessageBox(nullptr, Text(kTextEffectsNeedSse2), MB_OK | MB_ICONINFORMATION);
}

void COrvaneApp::FollowMonitors() {
    for (auto& effect : m_effects)
        if (effect)
            effect->FollowMonitors();
    m_customObjects.FollowMonitors();
    m_backgrounds.FollowMonitors();
}

void COrvaneApp::StartBusyMonitor() {
    m_monitorTimer = SetTimer(nullptr, 0, 1000, BusyStateTimer);
    if (m_options.GetBool(key::fDisableAtHighLoad))
        m_pauseAtHighLoad = true;
}

bool COrvaneApp::SaveSettings() {
    return m_settingsFile.Save(m_options);
}

// The ways out, all in this one place.

void COrvaneApp::BeginExit() {
    m_backgrounds.StopForExit();
    if (CNightShift* light = NightShift())
        light->SwitchOff();
}

void COrvaneApp::SignOut() {
    // The session ends the process without the shut-down steps: keep the settings.
    SaveSettings();
    StopCustomObjects();
    if (CNightShift* light = NightShift())
        light->SwitchOff();
}

void COrvaneApp::ShutDown() {
    SaveSettings();
    // The theme's cursors go with the program: the system reloads its own.
    if (!m_options.GetString(key::strCursorPath).empty())
        orvane::ApplyCursorTheme(std::wstring());
    StopCustomObjects();
    m_videoBackground = nullptr;
    m_webBackground = nullptr;
    m_screensaverBackground = nullptr;
    m_backgrounds.ReleaseAll();
    if (CNightShift* light = NightShift())
        light->SwitchOff();
    m_transparency.UndoAtExit();
    if (m_monitorTimer)
        KillTimer(nullptr, m_monitorTimer);
}

void COrvaneApp::EnsureRestorePoint() {
    m_elevation.EnsureRestorePoint(m_mainWindow ? m_mainWindow->GetSafeHwnd() : nullptr);
}

} // namespace orvane
