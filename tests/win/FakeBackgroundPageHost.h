#pragma once

#include "background/BackgroundPageHost.h"
#include "background/WallpaperScreensaver.h"
#include "background/WallpaperVideo.h"
#include "background/WallpaperWeb.h"
#include "core/ChangeNotice.h"
#include "core/Options.h"
#include "core/Translate.h"
#include "framework/Monitors.h"
#include "personalize/ScreensaverCatalogue.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane::test {

// The program as the living-background pages see it, all of the test's own: settings,
// English texts, the three backgrounds behind the switches that keep one running, the
// screen-saver catalogue and the page changes, which the switches raise. Help and errors
// are only recorded.
class FakeBackgroundPageHost final : public IBackgroundPageHost {
public:
    FakeBackgroundPageHost() {
        texts.LoadLanguage(L"English");
        video = backgrounds.Install(BackgroundKind::Video,
                                    [this] { return std::make_unique<CWallpaperVideo>(options); });
        web = backgrounds.Install(BackgroundKind::Web, [this] {
            return std::make_unique<CWallpaperWeb>(options, std::wstring());
        });
        screensaver = backgrounds.Install(BackgroundKind::Screensaver, [this] {
            return std::make_unique<CWallpaperScreensaver>(options);
        });
    }

    COptions& Options() override { return options; }
    const CTranslate& Texts() override { return texts; }
    void OpenHelp(const wchar_t* pageKey) override { helpOpened.push_back(pageKey); }
    CChangeNotice& PageChanges() override { return pageChanges; }
    void SetBackground(BackgroundKind kind, bool enable) override { backgrounds.Set(kind, enable); }
    void RefreshBackground(BackgroundKind kind) override { backgrounds.Refresh(kind); }
    CWallpaperVideo* VideoBackground() override { return video; }
    CWallpaperWeb* WebBackground() override { return web; }
    CScreensaverCatalogue& Screensavers() override { return screensavers; }

    COptions options;
    CTranslate texts;
    CChangeNotice pageChanges;
    std::vector<std::wstring> helpOpened;
    int errors = 0;
    CBackgrounds backgrounds{options, [this] { pageChanges.Raise(); }, [this] { ++errors; },
                             SystemMonitors};
    CScreensaverCatalogue screensavers{options, texts};
    CWallpaperVideo* video = nullptr;
    CWallpaperWeb* web = nullptr;
    CWallpaperScreensaver* screensaver = nullptr;
};

} // namespace orvane::test
