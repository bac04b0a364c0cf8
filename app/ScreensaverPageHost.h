#pragma once

#include "personalize/ScreensaverPageHost.h"

namespace orvane {

class COrvaneApp;

// The Screen Saver page's host in the program: the application object's settings, texts,
// screen-saver catalogue and page notice.
class CProgramScreensaverPageHost final : public IScreensaverPageHost {
public:
    explicit CProgramScreensaverPageHost(COrvaneApp& app) : m_app(app) {}

    COptions& Options() override;
    const CTranslate& Texts() override;
    CScreensaverCatalogue& Screensavers() override;
    CChangeNotice& PageChanges() override;

private:
    COrvaneApp& m_app;
};

} // namespace orvane
