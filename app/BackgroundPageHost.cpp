#include "app/BackgroundPageHost.h"

#include "app/OrvaneApp.h"
#include "core/HelpLinks.h"
#include "core/SettingsKeys.h"
#include "framework/Browser.h"

namespace orvane {

COptions& CProgramBackgroundPageHost::Options() {
    return m_app.Options();
}

const CTranslate& CProgramBackgroundPageHost::Texts() {
    return m_app.Translator();
}

void CProgramBackgroundPageHost::OpenHelp(const wchar_t* pageKey) {
    OpenInBrowser(HelpAddress(pageKey, m_app.Options().GetString(key::strLanguage)));
}

CChangeNotice& CProgramBackgroundPageHost::PageChanges() {
    return m_app.PageChanges();
}

void CProgramBackgroundPageHost::SetBackground(BackgroundKind kind, bool enable) {
    m_app.Backgrounds().Set(kind, enable);
}

void CProgramBackgroundPageHost::RefreshBackground(BackgroundKind kind) {
    m_app.Backgrounds().Refresh(kind);
}

CWallpaperVideo* CProgramBackgroundPageHost::VideoBackground() {
    return m_app.VideoBackground();
}

CWallpaperWeb* CProgramBackgroundPageHost::WebBackground() {
    return m_app.WebBackground();
}

CScreensaverCatalogue& CProgramBackgroundPageHost::Screensavers() {
    return m_app.Screensavers();
}

} // namespace orvane
