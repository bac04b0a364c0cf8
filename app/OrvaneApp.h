#pragma once

#include "app/BusyState.h"
#include "app/Elevation.h"
#include "core/ChangeNotice.h"
#include "core/Options.h"
#include "core/SettingsFile.h"
#include "core/Translate.h"
#include "background/Backgrounds.h"
#include "background/SlideshowSystem.h"
#include "background/WallpaperSlideshow.h"
#include "effects/CustomObjects.h"
#include "effects/EffectCatalog.h"
#include "framework/Handle.h"
#include "personalize/ScreensaverCatalogue.h"
#include "tweaks/Transparency.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

namespace orvane {

class CEffectGroup;
class COrvaneDlg;
class CWallpaperVideo;
class CWallpaperWeb;
class CWallpaperScreensaver;
class CNightShift;
class CNightShiftSystem;

// The application object: owns every feature object for the life of the process and
// runs start-up, the main window and shut-down.
class COrvaneApp {
public:
    COrvaneApp();
    ~COrvaneApp();
    COrvaneApp(const COrvaneApp&) = delete;
    COrvaneApp& operator=(const COrvaneApp&) = delete;

    // Start-up, the main window's modal loop, shut-down. arguments is the command line
    // without the program name. Always FALSE: the process ends afterwards.
    BOOL InitInstance(const std::wstring& arguments);

    COptions& Options() { return m_options; }
    CTranslate& Translator() { return m_translator; }
    const std::wstring& Text(unsigned int id) const { return m_translator.Text(id); }

    const std::wstring& ProgramFolder() const { return m_programFolder; }
    const std::wstring& DataFolder() const { return m_dataFolder; }
    // settings.ini, through which every part of the program reads and writes it.
    const CSettingsFile& SettingsFile() const { return m_settingsFile; }
    // Writes the settings store's keys to the file (the save points).
    bool SaveSettings();

    // The ways out. Exit from the tray menu: the living backgrounds give way to the
    // wallpaper and the displays get their ramp back at once, while the main window
    // ends its loop; start-up's ShutDown does the rest. Signing out ends the process
    // without that: the settings and the custom objects are stored, the ramp restored.
    void BeginExit();
    void SignOut();
    COrvaneDlg* MainWindow() { return m_mainWindow.get(); }
    // Raised when what the pages show changed from outside them: a background switched,
    // the slideshow or the screen saver changed, the night-light window opened or closed.
    // Pages listen while their window exists.
    CChangeNotice& PageChanges() { return m_pageChanges; }
    CWallpaperSlideshow& Slideshow() { return m_slideshow; }
    // The night-light controller; null only before start-up has built it.
    CNightShift* NightShift();
    // The object of an effect; null only before start-up has built them.
    CEffectGroup* Effect(EffectId id) { return m_effects[static_cast<std::size_t>(id)].get(); }
    // The effects follow the monitors as they are now (one came or went, changed its
    // resolution or scale) and the choice of every monitor or the primary alone.
    void FollowMonitors();

    // The living backgrounds behind the desktop icons; at most one runs.
    void SetVideoBackground(bool enable) { m_backgrounds.Set(BackgroundKind::Video, enable); }
    void SetWebBackground(bool enable) { m_backgrounds.Set(BackgroundKind::Web, enable); }
    void SetScreensaverBackground(bool enable) {
        m_backgrounds.Set(BackgroundKind::Screensaver, enable);
    }
    void ChangeVideoEngine(int engine) { m_backgrounds.ChangeVideoEngine(engine); }
    CBackgrounds& Backgrounds() { return m_backgrounds; }
    // The background objects; null until start-up (or a test) has built them.
    CWallpaperVideo* VideoBackground() { return m_videoBackground; }
    CWallpaperWeb* WebBackground() { return m_webBackground; }
    CWallpaperScreensaver* ScreensaverBackground() { return m_screensaverBackground; }
    // Builds the background objects, once.
    void InstallBackgrounds();

    // The installed screen savers, the system's choice and its automatic change.
    CScreensaverCatalogue& Screensavers() { return m_screensavers; }

    // Administrator rights, the elevated restart and the restore point that every tweak
    // asks for before it changes the system (CElevation).
    bool IsUserAdmin() { return m_elevation.IsUserAdmin(); }
    bool RestartAsAdmin() { return m_elevation.RestartAsAdmin(); }
    void EnsureRestorePoint();

    // The transparency and glass effects on the shell's windows.
    CTransparency& Transparency() { return m_transparency; }

    // The user's pictures on the desktop. Start loads the list anew and starts every
    // enabled object; stop destroys their windows and stores their positions, keeping
    // the flags (start-up, exit, sign-out and the busy-state monitor use them).
    CCustomObjects& CustomObjects() { return m_customObjects; }
    void StartCustomObjects() { m_customObjects.StartCustomObjects(); }
    void StopCustomObjects() { m_customObjects.StopCustomObjects(); }

    // The busy-state monitor: once a second it asks what the user is doing and pauses
    // the features while nobody looks at the desktop. Pausing stops windows and never
    // touches an enable key.
    // The settings dialog's box: takes effect at the next tick.
    void SetPauseAtHighLoad(bool on) { m_pauseAtHighLoad = on; }
    void BusyStateTick();
    // Stops (false) or starts again (true) the features of a scope: the video
    // background alone, or every background, effect and the rest. Starting skips what
    // runs already, as a feature the user started from its page during a pause.
    void SetFeaturesRunning(bool run, PauseScope scope);

private:
    void PrepareFolders();
    bool ClaimSingleInstance();
    void StartNightLight();
    void StartBackgrounds();
    void StartSlideshow(bool autoStart);
    void StartScreenSaverChange();
    void ApplyCursorTheme();
    void StartEffects();
    void ApplyTransparencyTweaks();
    void StartBusyMonitor();
    void ShutDown();
    void RefreshPages();

    std::wstring m_programFolder;
    std::wstring m_dataFolder;
    CSettingsFile m_settingsFile;
    COptions m_options;
    CTranslate m_translator;
    CChangeNotice m_pageChanges;
    SlideshowSystem m_slideshowSystem;
    CWallpaperSlideshow m_slideshow;
    std::unique_ptr<SlideshowSettingsFile> m_slideshowSettings;
    UniqueHandleKernel m_instanceMutex;
    CBackgrounds m_backgrounds;
    CWallpaperVideo* m_videoBackground = nullptr; // owned by m_backgrounds
    CWallpaperWeb* m_webBackground = nullptr;
    CWallpaperScreensaver* m_screensaverBackground = nullptr;
    CScreensaverCatalogue m_screensavers;
    std::unique_ptr<CNightShiftSystem> m_nightShift;
    std::array<std::unique_ptr<CEffectGroup>, kEffectCount> m_effects;
    CCustomObjects m_customObjects;
    UINT_PTR m_monitorTimer = 0;
    PauseScope m_paused = PauseScope::None;
    bool m_pauseAtHighLoad = false;
    std::unique_ptr<COrvaneDlg> m_mainWindow;
    CElevationSystem m_elevationSystem;
    CElevation m_elevation;
    CTransparency m_transparency;
};

// The one application object.
COrvaneApp& App();

} // namespace orvane
