#pragma once

#include "background/Backgrounds.h"

namespace orvane {

class CChangeNotice;
class COptions;
class CScreensaverCatalogue;
class CTranslate;
class CWallpaperVideo;
class CWallpaperWeb;

// What the pages of the living backgrounds (video, web, screen saver) use of the
// program: the settings, the texts, help, the switches that keep at most one background
// running, and the notice that something they show has changed. The program hands its
// own (CProgramBackgroundPageHost); tests hand theirs.
class IBackgroundPageHost {
public:
    virtual ~IBackgroundPageHost() = default;
    virtual COptions& Options() = 0;
    virtual const CTranslate& Texts() = 0;
    // Opens the product's help page of a page key, in the user's language.
    virtual void OpenHelp(const wchar_t* pageKey) = 0;
    // Raised when a background was switched, the slideshow or the screen saver changed,
    // or the night-light window opened or closed.
    virtual CChangeNotice& PageChanges() = 0;
    // Starts or stops a background as CBackgrounds::Set does.
    virtual void SetBackground(BackgroundKind kind, bool enable) = 0;
    // Reloads a running background on every monitor (CBackgrounds::Refresh).
    virtual void RefreshBackground(BackgroundKind kind) = 0;
    // The background objects; null until start-up has built them.
    virtual CWallpaperVideo* VideoBackground() = 0;
    virtual CWallpaperWeb* WebBackground() = 0;
    // The installed screen savers, for the screen-saver background's list.
    virtual CScreensaverCatalogue& Screensavers() = 0;
};

} // namespace orvane
