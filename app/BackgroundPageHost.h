#pragma once

#include "background/BackgroundPageHost.h"

namespace orvane {

class COrvaneApp;

// The program's side of the living-background pages: the application object's settings,
// texts, backgrounds, screen-saver catalogue and page changes.
class CProgramBackgroundPageHost final : public IBackgroundPageHost {
public:
    explicit CProgramBackgroundPageHost(COrvaneApp& app) : m_app(app) {}

    COptions& Options() override;
    const CTranslate& Texts() override;
    void OpenHelp(const wchar_t* pageKey) override;
    CChangeNotice& PageChanges() override;
    void SetBackground(BackgroundKind kind, bool enable) override;
    void RefreshBackground(BackgroundKind kind) override;
    CWallpaperVideo* VideoBackground() override;
    CWallpaperWeb* WebBackground() override;
    CScreensaverCatalogue& Screensavers() override;

private:
    COrvaneApp& m_app;
};

} // namespace orvane
