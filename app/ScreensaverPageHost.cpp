#include "app/ScreensaverPageHost.h"

#include "app/OrvaneApp.h"

namespace orvane {

COptions& CProgramScreensaverPageHost::Options() {
    return m_app.Options();
}

const CTranslate& CProgramScreensaverPageHost::Texts() {
    return m_app.Translator();
}

CScreensaverCatalogue& CProgramScreensaverPageHost::Screensavers() {
    return m_app.Screensavers();
}

CChangeNotice& CProgramScreensaverPageHost::PageChanges() {
    return m_app.PageChanges();
}

} // namespace orvane
